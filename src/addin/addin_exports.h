#pragma once
// The four functions through which a host registers the add-in library and
// creates its public classes, registered under "Telvarix." + class name.
//
// Results are the platform's status codes: 0 success, 1 "false" (the
// library is still in use), negative failures.
#include <cstdint>

extern "C" {

// Registers every public class in the process's class registry.
std::int32_t DllRegisterServer();
// Removes them again.
std::int32_t DllUnregisterServer();
// The class factory of `progId` (letter case ignored): *ppv receives a
// `const tvx::registry::ClassFactory*` owned by the library, valid while it
// stays loaded. Fails with ClassNotAvailable for a class the library lacks.
std::int32_t DllGetClassObject(const char* progId, void** ppv);
// 0 when no object the library made is alive, 1 otherwise.
std::int32_t DllCanUnloadNow();
}

namespace tvx::addin::status {
inline constexpr std::int32_t Ok = 0;
inline constexpr std::int32_t False = 1;
inline constexpr std::int32_t Pointer = std::int32_t(0x80004003u);            // a null out-pointer
inline constexpr std::int32_t ClassNotAvailable = std::int32_t(0x80040111u);  // not a class of this library
}  // namespace tvx::addin::status
