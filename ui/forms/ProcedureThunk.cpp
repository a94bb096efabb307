#include "ProcedureThunk.h"

#include "Win32Error.h"

#include <cstdint>
#include <cstring>

namespace tarnwick::forms {
namespace {

#if defined(__i386__) || defined(_M_IX86)
// mov dword ptr [esp+4], object   (the first argument: the window handle)
// jmp procedure                   (relative to the end of the jump)
#pragma pack(push, 1)
struct Code {
    std::uint8_t store[4];
    std::uint32_t object;
    std::uint8_t jump;
    std::int32_t offset;
};
#pragma pack(pop)

Code MakeCode(void* at, void* object, WNDPROC procedure) {
    Code code{{0xC7, 0x44, 0x24, 0x04}, 0, 0xE9, 0};
    code.object = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(object));
    code.offset = static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(procedure) -
                                            (reinterpret_cast<std::intptr_t>(at) + sizeof(Code)));
    return code;
}
#else
#error "ProcedureThunk: machine code for 32-bit x86 only"
#endif

} // namespace

ProcedureThunk::ProcedureThunk(void* object, WNDPROC procedure)
    : code_(VirtualAlloc(nullptr, sizeof(Code), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {
    if (!code_) ThrowLastError("VirtualAlloc");
    const Code code = MakeCode(code_, object, procedure);
    std::memcpy(code_, &code, sizeof code);
    // Written once, then only run: never writable and executable at once.
    DWORD previous = 0;
    if (!VirtualProtect(code_, sizeof code, PAGE_EXECUTE_READ, &previous)) {
        VirtualFree(code_, 0, MEM_RELEASE);
        ThrowLastError("VirtualProtect");
    }
    FlushInstructionCache(GetCurrentProcess(), code_, sizeof code);
}

ProcedureThunk::~ProcedureThunk() { VirtualFree(code_, 0, MEM_RELEASE); }

} // namespace tarnwick::forms
