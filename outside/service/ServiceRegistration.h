#pragma once
// "Halvorn.exe /Service": the program registers itself with the service control manager, or brings
// an existing registration up to date, and ends.

namespace vorma::service {

inline constexpr wchar_t kServiceName[] = L"Halvorn";
inline constexpr wchar_t kServiceDisplayName[] = L"Halvorn";
inline constexpr wchar_t kServiceDescription[] =
    L"Starts the Vorma audio control panel and its companion programs on the user's desktop.";

enum RegistrationResult : int {
  kRegistrationDone = 0,
  kRegistrationNoManager = 1,      // the service control manager cannot be opened (no rights)
  kRegistrationNoProgramPath = 2,
  kRegistrationCreateFailed = 3,
  kRegistrationUpdateFailed = 4,
};

// An own-process service that starts automatically, running this program (its path quoted).
RegistrationResult RegisterThisProgramAsService();

}  // namespace vorma::service
