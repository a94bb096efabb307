// A window procedure made for one object: a few bytes of machine code that
// call a static procedure with the object's address in place of the window
// handle, as ATL's and WTL's windows do. The object is then found without a
// lookup; a window property (what SetWindowSubclass keeps its data in) costs a
// call to the window server for every message under Wine.
#pragma once

#include <windows.h>

namespace tarnwick::forms {

class ProcedureThunk {
  public:
    ProcedureThunk(void* object, WNDPROC procedure);
    ProcedureThunk(const ProcedureThunk&) = delete;
    ProcedureThunk& operator=(const ProcedureThunk&) = delete;
    ~ProcedureThunk();

    WNDPROC Procedure() const noexcept { return reinterpret_cast<WNDPROC>(code_); }

  private:
    void* code_;
};

} // namespace tarnwick::forms
