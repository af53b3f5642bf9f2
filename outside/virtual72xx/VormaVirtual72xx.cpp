// VormaVirtual72xx: runs the virtual 72xx bus as a server on a named pipe and drives it from the
// command line (plug and unplug devices, set GPIO levels, inject faults, dump state and journal).
// Run with no arguments for the usage text.

#include "outside/virtual72xx/DeviceProfiles.h"
#include "outside/virtual72xx/Virtual72xxClient.h"
#include "outside/virtual72xx/Virtual72xxProtocol.h"
#include "outside/virtual72xx/VirtualHost.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

using namespace vorma::virtual72xx;

namespace {

enum ExitCode : int {
  kExitOk = 0,
  kExitUsage = 1,
  kExitNoServer = 2,
  kExitRefused = 3,
  kExitServeFailed = 4,
};

constexpr char kUsage[] =
    "Usage: VormaVirtual72xx [--pipe NAME] COMMAND [ARGUMENTS]\n"
    "\n"
    "The virtual 72xx device bus. 'serve' runs it; every other command talks to a running server.\n"
    "The pipe is NAME, else the environment variable VORMA_VIRTUAL72XX_PIPE, else\n"
    "\\\\.\\pipe\\vorma-virtual72xx. N is a device number (1, 2, ... in plug order; 0 = the bus).\n"
    "\n"
    "  serve [--devices COUNT] [--kind KIND] [--pid HEX]\n"
    "                              serve the bus until 'stop' or Ctrl+C; plugs COUNT devices\n"
    "                              (default 1) of KIND (default 72xx) and product ID HEX (7201)\n"
    "  list                        the plugged devices: number, kind, VID, PID, first hardware ID\n"
    "  plug [--kind KIND] [--pid HEX]\n"
    "                              plug a device; prints its number\n"
    "  unplug N                    unplug device N (HID and audio interface removals)\n"
    "  remove-interface N audio|hid\n"
    "                              remove one interface of device N, the device stays\n"
    "  gpio N PIN LEVEL            drive input pin PIN (0-9) of device N to LEVEL (0/1; buttons\n"
    "                              are active low, 1 = released)\n"
    "  fault N CALL COUNT          make CALL (hid.open, hid.out, hid.in, hid.attributes, hid.caps,\n"
    "                              filter.open, filter.ioctl, capture, or an SDK function name)\n"
    "                              fail its next COUNT times; -1 = until cleared, 0 = clear\n"
    "  lengths N IN OUT            set the input and output report lengths (e.g. 4 4)\n"
    "  mic N SIGNAL                set the microphone signal amplitude (0-127)\n"
    "  eeprom N OFFSET HEX         overwrite EEPROM bytes (OFFSET 0-511: 0x50 then 0x51), e.g.\n"
    "                              'eeprom 1 0x8e 13' selects bank 3\n"
    "  dump N [KEY]                the device's state as 'key value' lines, one value, or a group (enc)\n"
    "  journal N [--clear]         the device's journal (N = 0: the bus journal)\n"
    "  stop                        end the server\n"
    "\n"
    "Kinds: ";

void Print(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  std::fflush(stdout);
}

void Error(const std::string& text) {
  std::fputs(("VormaVirtual72xx: " + text + "\n").c_str(), stderr);
  std::fflush(stderr);
}

int Usage(const std::string& problem = {}) {
  if (!problem.empty()) Error(problem);
  std::string kinds;
  for (const std::string& kind : DeviceKinds()) {
    if (!kinds.empty()) kinds += ", ";
    kinds += kind;
  }
  std::fputs((std::string(kUsage) + kinds + "\n").c_str(), problem.empty() ? stdout : stderr);
  return kExitUsage;
}

bool ParseNumber(const std::string& text, long long& value) {
  if (text.empty()) return false;
  wchar_t* end = nullptr;
  std::wstring wide = protocol::WideFromUtf8(text);
  errno = 0;
  value = std::wcstoll(wide.c_str(), &end, 0);  // 0x.. hexadecimal, else decimal
  return errno == 0 && end && *end == L'\0';
}

bool ParseHex(const std::string& text, long long& value) {
  std::string digits = text;
  if (digits.rfind("0x", 0) != 0 && digits.rfind("0X", 0) != 0) digits.insert(0, "0x");
  return ParseNumber(digits, value) && value >= 0;
}

// Reports a failed client call and gives the exit code for it.
int Failed(unsigned long error, const std::string& what) {
  if (error == kErrorTransport) {
    Error("no server answers on " + protocol::Utf8FromWide(DefaultPipeName()) + " (start one with 'serve')");
    return kExitNoServer;
  }
  Error(what + " failed: error " + std::to_string(error));
  return kExitRefused;
}

struct Arguments {
  std::vector<std::string> positional;
  std::string kind = "72xx";
  long long pid = 0;
  long long devices = 1;
  bool clear = false;
  std::string problem;
};

Arguments ParseOptions(const std::vector<std::string>& args) {
  Arguments a;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) a.problem = arg + " needs a value";
      else out = args[++i];
    };
    std::string text;
    if (arg == "--kind") value(a.kind);
    else if (arg == "--pid") {
      value(text);
      if (a.problem.empty() && (!ParseHex(text, a.pid) || a.pid <= 0 || a.pid > 0xFFFF)) a.problem = "bad --pid " + text;
    } else if (arg == "--devices") {
      value(text);
      if (a.problem.empty() && (!ParseNumber(text, a.devices) || a.devices < 0 || a.devices > 16))
        a.problem = "bad --devices " + text;
    } else if (arg == "--clear") a.clear = true;
    else if (arg.rfind("--", 0) == 0) a.problem = "unknown option " + arg;
    else a.positional.push_back(arg);
  }
  return a;
}

std::atomic<bool> g_interrupted{false};  // set by the console control handler (a process-wide event)

BOOL WINAPI OnConsoleControl(DWORD) {
  g_interrupted = true;
  return TRUE;
}

int Serve(const Arguments& a) {
  VirtualHost host(DefaultPipeName());
  if (unsigned long error = host.Start(false); error != kOk) {
    Error("cannot serve " + protocol::Utf8FromWide(host.PipeName()) + ": error " + std::to_string(error) +
          (error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED ? " (another server is running)" : ""));
    return kExitServeFailed;
  }
  Virtual72xxClient client = host.Client();
  std::string plugged;
  for (long long i = 0; i < a.devices; ++i) {
    DeviceNumber device = 0;
    if (unsigned long error = client.Plug({a.kind, static_cast<std::uint16_t>(a.pid)}, device); error != kOk) {
      Error("cannot plug a device of kind " + a.kind);
      return kExitUsage;
    }
    plugged += ' ';
    plugged += std::to_string(device);
  }
  Print("serving " + protocol::Utf8FromWide(host.PipeName()) +
        (plugged.empty() ? ", no device plugged\n" : ", plugged device" + plugged + "\n"));
  SetConsoleCtrlHandler(OnConsoleControl, TRUE);
  while (!host.WaitForStopRequest(200) && !g_interrupted) {
  }
  host.Stop();
  Print("stopped\n");
  return kExitOk;
}

bool DeviceArgument(const std::string& text, DeviceNumber& device) {
  long long value = 0;
  if (!ParseNumber(text, value) || value < 0 || value > 1000000) return false;
  device = static_cast<DeviceNumber>(value);
  return true;
}

int List(Virtual72xxClient& client) {
  std::vector<DeviceSummary> devices;
  if (unsigned long error = client.ListDevices(devices); error != kOk) return Failed(error, "list");
  for (const DeviceSummary& d : devices) {
    char ids[32];
    std::snprintf(ids, sizeof ids, "%04X %04X", d.vendorId, d.productId);
    Print(std::to_string(d.device) + " " + d.kind + " " + ids + " " + protocol::Utf8FromWide(d.firstHardwareId) + "\n");
  }
  return kExitOk;
}

int Dump(Virtual72xxClient& client, DeviceNumber device, const std::vector<std::string>& p) {
  std::vector<StateEntry> state;
  if (unsigned long error = client.DumpState(device, state); error != kOk) return Failed(error, "dump");
  if (p.size() == 3)
    for (const StateEntry& entry : state)
      if (entry.key == p[2]) {
        Print(entry.value + "\n");
        return kExitOk;
      }
  // Without a key everything; a key that is a group ("enc", "voice") gives that group's pairs.
  const std::string group = p.size() == 3 ? p[2] + "." : "";
  bool printed = false;
  for (const StateEntry& entry : state)
    if (entry.key.starts_with(group)) {
      Print(entry.key + " " + entry.value + "\n");
      printed = true;
    }
  if (p.size() == 3 && !printed) {
    Error("no key " + p[2]);
    return kExitRefused;
  }
  return kExitOk;
}

int Run(const std::vector<std::string>& args) {
  Arguments a = ParseOptions(args);
  if (!a.problem.empty()) return Usage(a.problem);
  if (a.positional.empty()) return Usage();
  const std::vector<std::string>& p = a.positional;
  const std::string& command = p[0];
  if (command == "help" || command == "/?") {
    Usage();
    return kExitOk;
  }
  if (command == "serve") return p.size() == 1 ? Serve(a) : Usage("serve takes only options");

  Virtual72xxClient client = Virtual72xxClient::FromEnvironment();
  if (command == "list" && p.size() == 1) return List(client);
  if (command == "stop" && p.size() == 1) {
    unsigned long error = client.StopServer();
    return error == kOk ? kExitOk : Failed(error, "stop");
  }
  if (command == "plug" && p.size() == 1) {
    DeviceNumber device = 0;
    if (unsigned long error = client.Plug({a.kind, static_cast<std::uint16_t>(a.pid)}, device); error != kOk)
      return Failed(error, "plug");
    Print(std::to_string(device) + "\n");
    return kExitOk;
  }

  DeviceNumber device = 0;
  if (p.size() < 2 || !DeviceArgument(p[1], device)) return Usage(command + " needs a device number");
  std::vector<long long> numbers;
  for (size_t i = 2; i < p.size(); ++i) {
    long long value = 0;
    numbers.push_back(ParseNumber(p[i], value) ? value : LLONG_MIN);
  }
  auto numbersOk = [&](size_t count) {
    if (numbers.size() != count) return false;
    for (long long n : numbers)
      if (n == LLONG_MIN) return false;
    return true;
  };
  unsigned long error = kOk;
  if (command == "unplug" && p.size() == 2) error = client.Unplug(device);
  else if (command == "remove-interface" && p.size() == 3 && (p[2] == "audio" || p[2] == "hid"))
    error = client.RemoveInterface(device, p[2] == "audio" ? InterfaceClass::Audio : InterfaceClass::Hid);
  else if (command == "gpio" && numbersOk(2))
    error = client.SetGpioLevel(device, static_cast<int>(numbers[0]), static_cast<int>(numbers[1]));
  else if (command == "fault" && p.size() == 4 && numbers[1] != LLONG_MIN)
    error = client.InjectFault(device, p[2], static_cast<int>(numbers[1]));
  else if (command == "lengths" && numbersOk(2) && numbers[0] >= 0 && numbers[0] <= 0xFFFF && numbers[1] >= 0 &&
           numbers[1] <= 0xFFFF)
    error = client.SetReportLengths(device, static_cast<std::uint16_t>(numbers[0]), static_cast<std::uint16_t>(numbers[1]));
  else if (command == "mic" && numbersOk(1)) error = client.SetMicSignal(device, static_cast<int>(numbers[0]));
  else if (command == "eeprom" && p.size() == 4 && numbers[0] >= 0) {
    std::vector<std::uint8_t> bytes;
    if (!protocol::BytesFromHex(p[3], bytes) || bytes.empty()) return Usage("eeprom needs hexadecimal bytes");
    error = client.WriteEeprom(device, static_cast<std::uint32_t>(numbers[0]), bytes);
  } else if (command == "dump" && (p.size() == 2 || p.size() == 3)) return Dump(client, device, p);
  else if (command == "journal" && p.size() == 2) {
    std::vector<std::string> lines;
    error = client.ReadJournal(device, lines, a.clear);
    for (const std::string& line : lines) Print(line + "\n");
  } else return Usage("unknown command or wrong arguments: " + command);
  return error == kOk ? kExitOk : Failed(error, command);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    std::string arg = protocol::Utf8FromWide(argv[i]);
    // --pipe is taken here, before everything else reads DefaultPipeName().
    if (arg == "--pipe" && i + 1 < argc) {
      SetEnvironmentVariableW(L"VORMA_VIRTUAL72XX_PIPE", argv[++i]);
      continue;
    }
    args.push_back(std::move(arg));
  }
  return Run(args);
}
