// The program file under test: the path named on the command line, and raw
// access to the resources of the file opened as data.

#include "program_file.h"

namespace {

std::string programPath;

BOOL CALLBACK KeepFirstId(HMODULE, LPCSTR, LPSTR name, LONG_PTR found) {
  *reinterpret_cast<WORD*>(found) = IS_INTRESOURCE(name) ? LOWORD(reinterpret_cast<ULONG_PTR>(name)) : 0;
  return FALSE;  // the first one is all we want
}

}  // namespace

const std::string& ProgramPath() { return programPath; }

// Made absolute here, so the version API and the loader see the same file
// whatever the current directory is.
void SetProgramPath(const char* path) {
  char full[MAX_PATH];
  DWORD n = GetFullPathNameA(path, MAX_PATH, full, nullptr);
  programPath = (n > 0 && n < MAX_PATH) ? std::string(full, n) : std::string(path);
}

std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return ReadU16(bytes, offset) | static_cast<std::uint32_t>(ReadU16(bytes, offset + 2)) << 16;
}

ProgramFile::ProgramFile()
    : module_(LoadLibraryExA(programPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}

ProgramFile::~ProgramFile() {
  if (module_ != nullptr) FreeLibrary(module_);
}

std::span<const std::uint8_t> ProgramFile::Resource(LPCSTR type, LPCSTR name) const {
  HRSRC found = FindResourceA(module_, name, type);
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(module_, found);
  if (loaded == nullptr) return {};
  auto* bytes = static_cast<const std::uint8_t*>(LockResource(loaded));
  return {bytes, SizeofResource(module_, found)};
}

WORD ProgramFile::FirstId(LPCSTR type) const {
  WORD id = 0;
  EnumResourceNamesA(module_, type, KeepFirstId, reinterpret_cast<LONG_PTR>(&id));
  return id;
}
