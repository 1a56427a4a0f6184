#pragma once

#include <cstdint>
#include <string>

#include "app/Workspace.h"
#include "recipe/OperationStep.h"

namespace tessmark {

inline constexpr char UnexpectedEndNotice[] =
    "The last session ended unexpectedly \u2014 File > Sessions ... brings it back";

// The journal of the sessions beneath the data folder, for the program's whole run.
void StartJournal(Workspace& workspace);

// After every command: a session the workspace has left behind is closed, and the picture's recipe
// is kept when it changed. now: seconds since 1970.
void KeepSession(Workspace& workspace, std::int64_t now);

// Exit: the session ends as it should.
void EndSession(Workspace& workspace);

// While a run of `kind` paints: what it has painted so far, when the journal wants it.
void RecordRunProgress(Workspace& workspace, OperationKind kind, std::uint32_t seed, std::int64_t shapes,
                       std::int64_t steadyMs);

// Whether the newest session no program holds ended without being closed; told once, then the
// entry is marked so that the next start keeps quiet about it.
bool TakeUnexpectedEnd(const std::string& sessionsFolder);

}  // namespace tessmark
