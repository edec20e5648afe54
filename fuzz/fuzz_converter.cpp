// Fuzzes the converter through the in-memory host: after the resolution is
// set, a length box focused and edited, and after every further step, the
// three texts, the focus flags and the event log must be those of a model
// of the rules whose arithmetic runs on the x87 unit.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/converter.h"
#include "core/memory_host.h"
#include "core/numeric_text.h"
#include "fuzz/fuzz_failure.h"
#include "fuzz/number_text_checks.h"
#include "fuzz/reference_converter.h"

namespace {

using namespace tessavor;
using namespace tessavor::fuzz;
namespace host = tessavor::memory_host;

constexpr std::uint32_t Boxes[] = {ResolutionBoxId, CentimetreBoxId, PixelBoxId};

// What the boxes should hold, kept by the rules alone.
class Model {
 public:
  explicit Model(std::string_view input) : input_(input) {}

  void MoveFocus(std::uint32_t box) {
    if (box == focus_) return;
    log_.push_back({focus_, host::FocusLost});
    log_.push_back({box, host::FocusGained});
    focus_ = box;
  }

  // The user's edit and the converter's writes alike: new text, then one
  // TextChanged, whose handling may write another box inside it.
  void Write(std::uint32_t box, std::string_view text) {
    Text(box) = text;
    log_.push_back({box, host::TextChanged});
    if (box == ResolutionBoxId) {
      Write(CentimetreBoxId, "");
      Write(PixelBoxId, "");
    } else if (box == focus_) {
      const double length = TextToNumber(Text(box));
      const double dpi = TextToNumber(resolution_);
      const bool toPixels = box == CentimetreBoxId;
      const double result = toPixels ? ReferencePixels(length, dpi) : ReferenceCentimetres(length, dpi);
      const std::string shown = NumberToText(result);
      CheckNumberTextProperties(input_, result, shown);
      Write(toPixels ? PixelBoxId : CentimetreBoxId, shown);
    }
  }

  // The host must agree with the model on texts, focus and flags.
  void Compare() {
    for (const std::uint32_t box : Boxes)
      if (host::Text(box) != Text(box))
        Fail(input_, "box %08X holds \"%s\", expected \"%s\"", box, host::Text(box).c_str(),
             Text(box).c_str());
    const int cm = centimetreBoxFocused, px = pixelBoxFocused;
    if (cm < 0 || cm > 1 || px < 0 || px > 1 || (cm == 1 && px == 1))
      Fail(input_, "flags (%d, %d) out of {(0,0), (1,0), (0,1)}", cm, px);
    if (host::FocusedControl() != focus_ || cm != (focus_ == CentimetreBoxId) || px != (focus_ == PixelBoxId))
      Fail(input_, "focus %08X with flags (%d, %d), expected focus %08X", host::FocusedControl(), cm, px,
           focus_);
  }

  void CompareLog() {
    const std::vector<host::Delivery>& log = host::Log();
    if (log != log_) {
      std::size_t i = 0;
      while (i < log.size() && i < log_.size() && log[i] == log_[i]) ++i;
      Fail(input_, "event log differs from delivery %zu on (%zu events, expected %zu)", i, log.size(),
           log_.size());
    }
  }

 private:
  std::string& Text(std::uint32_t box) {
    return box == ResolutionBoxId ? resolution_ : box == CentimetreBoxId ? centimetres_ : pixels_;
  }

  std::string_view input_;
  std::string resolution_ = "72", centimetres_, pixels_;
  std::uint32_t focus_ = ResolutionBoxId;
  std::vector<host::Delivery> log_;
};

// The input's texts between NUL bytes; the first part is the one after byte 0.
std::vector<std::string_view> SplitAtNul(std::string_view bytes) {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t nul = bytes.find('\0');
    parts.push_back(bytes.substr(0, nul));
    if (nul == std::string_view::npos) return parts;
    bytes.remove_prefix(nul + 1);
  }
}

}  // namespace

// The input: byte 0, whose bit 0 picks the length box (centimetres or
// pixels); then texts separated by NUL bytes: the resolution, the length,
// and steps, each a byte (bit 0: move the focus or edit; the rest, mod 3:
// which box) followed by the text of an edit.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  if (input.empty()) return 0;
  if (X87ControlWord() != 0x037F) Fail(input, "x87 control word %04X, not 0x037F", X87ControlWord());
  const std::uint32_t lengthBox = (input[0] & 1) == 0 ? CentimetreBoxId : PixelBoxId;
  const std::vector<std::string_view> parts = SplitAtNul(input.substr(1));

  host::Reset();
  Model model(input);
  model.Compare();
  host::Edit(ResolutionBoxId, parts[0]);
  model.Write(ResolutionBoxId, parts[0]);
  model.Compare();
  host::MoveFocus(lengthBox);
  model.MoveFocus(lengthBox);
  model.Compare();
  const std::string_view length = parts.size() > 1 ? parts[1] : std::string_view();
  host::Edit(lengthBox, length);
  model.Write(lengthBox, length);
  model.Compare();

  for (std::size_t i = 2; i < parts.size(); ++i) {
    if (parts[i].empty()) continue;
    const auto step = static_cast<unsigned char>(parts[i][0]);
    const std::uint32_t box = Boxes[(step >> 1) % 3];
    if ((step & 1) == 0) {
      host::MoveFocus(box);
      model.MoveFocus(box);
    } else {
      host::Edit(box, parts[i].substr(1));
      model.Write(box, parts[i].substr(1));
    }
    model.Compare();
  }
  model.CompareLog();
  return 0;
}
