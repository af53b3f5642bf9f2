// DeviceIdCodeGen: prints the device-ID entries ("pattern,code") for the USB_VID_PID and HID_VID_PID
// sections of AudioConfig.cfg, encrypted exactly as the programs decrypt them.

#include "tools/deviceid/DeviceIdEntry.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

enum ExitCode : int {
  kExitDone = 0,
  kExitBadPattern = 1,
  kExitUsage = 2,
  kExitCryptoFailure = 3,
  kExitOutputFailure = 4,
};

constexpr char kUsage[] =
    "Usage: DeviceIdCodeGen [--keys] PATTERN...\n"
    "       DeviceIdCodeGen [--keys] -\n"
    "       DeviceIdCodeGen --help\n"
    "\n"
    "Prints one device-ID entry \"PATTERN,CODE\" per line for the USB_VID_PID and HID_VID_PID\n"
    "sections of AudioConfig.cfg. CODE is the pattern encrypted with the device-ID key (DES,\n"
    "Base64); the programs accept an entry only when its code decrypts to its pattern.\n"
    "\n"
    "  PATTERN  a hardware ID as Windows reports it, \"X\" standing for any one character, for\n"
    "           example \"USB\\VID_1E4B&PID_72XX&REV_0100&MI_00\" (quote it: \"&\" is special to\n"
    "           the command shell). Printable ASCII without commas; spaces at both ends are\n"
    "           dropped.\n"
    "  -        read the patterns from standard input instead, one per line; blank lines are\n"
    "           skipped.\n"
    "  --keys   print each entry as a numbered key (\"1=PATTERN,CODE\"), ready to paste below\n"
    "           the section header.\n"
    "\n"
    "Exit codes: 0 entries printed; 1 a pattern was refused (nothing is printed); 2 wrong\n"
    "arguments; 3 CryptoAPI failed; 4 the output could not be written.\n";

struct PatternSource {
  std::wstring pattern;
  std::string origin;  // "argument 2", "line 3": where to look when it is refused
};

struct Options {
  bool numberKeys = false;
  bool readStandardInput = false;
  bool showHelp = false;
  std::vector<PatternSource> patterns;
};

int UsageError(const char* problem) {
  std::fprintf(stderr, "DeviceIdCodeGen: %s\n\n%s", problem, kUsage);
  return kExitUsage;
}

// Fills the options; returns kExitDone or the usage error's exit code.
int ParseArguments(int argc, wchar_t** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::wstring_view argument = argv[i];
    if (argument == L"--help" || argument == L"-h" || argument == L"/?") {
      options.showHelp = true;
    } else if (argument == L"--keys") {
      options.numberKeys = true;
    } else if (argument == L"-") {
      options.readStandardInput = true;
    } else if (argument.starts_with(L"-")) {
      return UsageError("unknown option");
    } else {
      options.patterns.push_back({std::wstring(argument), "argument " + std::to_string(i)});
    }
  }
  if (options.showHelp) return kExitDone;
  if (options.readStandardInput && !options.patterns.empty())
    return UsageError("give the patterns either as arguments or on standard input, not both");
  if (!options.readStandardInput && options.patterns.empty()) return UsageError("no pattern given");
  return kExitDone;
}

// Each line is one pattern; bytes are taken as characters, so anything beyond ASCII is refused later.
std::vector<PatternSource> ReadStandardInput() {
  std::vector<PatternSource> patterns;
  std::string line;
  for (unsigned number = 1; std::getline(std::cin, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(' ') == std::string::npos) continue;
    std::wstring pattern;
    for (unsigned char c : line) pattern.push_back(static_cast<wchar_t>(c));
    patterns.push_back({std::move(pattern), "line " + std::to_string(number)});
  }
  return patterns;
}

// The pattern as the console can show it.
std::string Printable(std::wstring_view text) {
  std::string printable;
  for (wchar_t c : text) printable.push_back(c >= 0x20 && c <= 0x7E ? static_cast<char>(c) : '?');
  return printable;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Options options;
  if (const int exitCode = ParseArguments(argc, argv, options); exitCode != kExitDone) return exitCode;
  if (options.showHelp) {
    std::fputs(kUsage, stdout);
    return kExitDone;
  }
  if (options.readStandardInput) {
    options.patterns = ReadStandardInput();
    if (options.patterns.empty()) {
      std::fputs("DeviceIdCodeGen: no pattern on standard input\n", stderr);
      return kExitBadPattern;
    }
  }

  // Every pattern is checked before anything is printed, so a refused one never leaves a partial list.
  std::string output;
  int exitCode = kExitDone;
  for (size_t i = 0; i < options.patterns.size(); ++i) {
    const PatternSource& source = options.patterns[i];
    std::string entry;
    const int result = vorma::MakeDeviceIdEntry(source.pattern, entry);
    if (result != vorma::kDeviceIdEntryMade) {
      std::fprintf(stderr, "DeviceIdCodeGen: %s \"%s\": %s\n", source.origin.c_str(),
                   Printable(source.pattern).c_str(), vorma::DeviceIdEntryFailureText(result));
      const int failure = result == vorma::kDeviceIdEntryEncryptFailed ? kExitCryptoFailure : kExitBadPattern;
      if (failure > exitCode) exitCode = failure;
      continue;
    }
    if (options.numberKeys) output += std::to_string(i + 1) + "=";
    output += entry + "\n";
  }
  if (exitCode != kExitDone) return exitCode;
  std::fputs(output.c_str(), stdout);
  return std::fflush(stdout) == 0 && !std::ferror(stdout) ? kExitDone : kExitOutputFailure;
}
