// tessavor-convert: the window's conversion from the command line. It types
// the texts into the in-memory boxes, so the converter, its arithmetic and its
// number texts are exactly those of the window.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "core/converter.h"
#include "core/memory_host.h"

namespace {

constexpr char Usage[] =
    "usage: tessavor-convert [--dpi TEXT] (--cm TEXT | --px TEXT)\n"
    "Prints the text the window shows in the other box: pixels for --cm,\n"
    "centimetres for --px, at the resolution --dpi (default 72).\n"
    "A length of - reads one text per line from standard input and prints\n"
    "one result per line. Every text has a value, as in the window.\n";

int BadUsage(const char* why) {
  std::fprintf(stderr, "tessavor-convert: %s\n%s", why, Usage);
  return 2;
}

// What the other box shows after the user sets the resolution, moves into
// the length box and enters `length` there.
std::string Convert(std::string_view dpi, std::uint32_t lengthBox, std::string_view length) {
  using namespace tessavor;
  memory_host::Reset();
  memory_host::Edit(ResolutionBoxId, dpi);
  memory_host::MoveFocus(lengthBox);
  memory_host::Edit(lengthBox, length);
  return memory_host::Text(lengthBox == CentimetreBoxId ? PixelBoxId : CentimetreBoxId);
}

}  // namespace

int main(int argc, char** argv) {
  std::string dpi = "72";
  std::optional<std::string> cm, px;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(Usage, stdout);
      return 0;
    }
    std::optional<std::string>* target = nullptr;
    std::string* plain = nullptr;
    if (arg == "--dpi") plain = &dpi;
    else if (arg == "--cm") target = &cm;
    else if (arg == "--px") target = &px;
    else return BadUsage(("unknown option " + std::string(arg)).c_str());
    if (i + 1 >= argc) return BadUsage(("missing text after " + std::string(arg)).c_str());
    const char* value = argv[++i];
    if (plain) *plain = value;
    else *target = value;
  }
  if (cm && px) return BadUsage("give only one of --cm and --px");
  if (!cm && !px) return BadUsage("give --cm or --px");

  const std::uint32_t box = cm ? tessavor::CentimetreBoxId : tessavor::PixelBoxId;
  const std::string& length = cm ? *cm : *px;
  if (length != "-") {
    std::cout << Convert(dpi, box, length) << '\n';
    return 0;
  }
  std::string line;
  while (std::getline(std::cin, line)) std::cout << Convert(dpi, box, line) << '\n';
  return 0;
}
