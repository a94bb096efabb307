// Where the standard library raises its own failures: an index past a
// string's end, a length it cannot hold, memory exhausted. Its own versions raise std::out_of_range
// and its kin, whose messages live in the library's older, reference-counted string: with them the
// exe would carry that whole string's code (about 40 KB). These raise the same messages as the
// program's errors, which the application's error box shows as it shows those, and exhausted memory
// as std::bad_alloc.
#include "ProgramError.h"

#include <new>
#include <string>

namespace std {

void __throw_bad_alloc() { throw bad_alloc(); }

void __throw_bad_array_new_length() { throw bad_array_new_length(); }

void __throw_length_error(const char* what) { throw tarnwick::ProgramError(what); }

void __throw_logic_error(const char* what) { throw tarnwick::ProgramError(what); }

// The format's values (positions and sizes) are left out.
void __throw_out_of_range_fmt(const char* format, ...) { throw tarnwick::ProgramError(format); }

} // namespace std
