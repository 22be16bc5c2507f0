#pragma once
// Internal-consistency checks. They carry the module's name ("klasa", "wizard", "controls", "oc",
// "print", "error") and the line, and go to the toolkit's assertion facility, so the front end
// decides how they are shown. Execution goes on after a failed check: each caller handles it.

#include <wx/debug.h>

namespace kw {
void AssertFailed(const char* module, int line, const char* func, const char* cond,
                  const char* msg);
}

#define KW_ASSERT_MSG(cond, module, msg)                                     \
    do {                                                                     \
        if (!(cond)) ::kw::AssertFailed(module, __LINE__, __func__, #cond, msg); \
    } while (0)

#define KW_ASSERT(cond, module) KW_ASSERT_MSG(cond, module, nullptr)
#define KW_FAIL(module, msg) ::kw::AssertFailed(module, __LINE__, __func__, "false", msg)
