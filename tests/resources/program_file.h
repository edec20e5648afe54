// The program file under test, opened as data the way the shell reads it:
// its path comes from the command line, and its resources are read as raw
// bytes so that tests see what is stored, not what a loader makes of it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>

// Absolute path of the program file named on the command line.
const std::string& ProgramPath();
void SetProgramPath(const char* path);

// Little-endian fields of resource data, read at a byte offset.
std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t offset);
std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t offset);

// The program file loaded with LOAD_LIBRARY_AS_DATAFILE; no code of it runs.
class ProgramFile {
 public:
  ProgramFile();
  ~ProgramFile();
  ProgramFile(const ProgramFile&) = delete;
  ProgramFile& operator=(const ProgramFile&) = delete;

  HMODULE Module() const { return module_; }
  // The bytes of one resource; empty when it is missing.
  std::span<const std::uint8_t> Resource(LPCSTR type, LPCSTR name) const;
  // The number of the first resource of a type, in the file's own order;
  // 0 when there is none or the first one has a name instead of a number.
  WORD FirstId(LPCSTR type) const;

 private:
  HMODULE module_;
};
