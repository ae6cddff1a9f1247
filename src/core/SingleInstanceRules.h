#pragma once
// The single-instance rules as functions of values: which windows are copies of this program, the text
// handed to the running copy, the name of the start-up mutex and the wrong-name message.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace core {

// A top-level window as read from the window manager; an empty class or text means it could not be read.
struct TopWindow {
  uintptr_t handle = 0;
  std::string className;
  std::string text;
};

struct InstanceSearch {
  int matches = 0;        // windows of this program, this copy's own included
  uintptr_t found = 0;    // another copy's window, the last one met; 0 when none
};

// Windows whose class name and text both equal this copy's (case-sensitive) belong to the program.
InstanceSearch MatchInstances(const std::vector<TopWindow>& windows, const TopWindow& self);

// Each parameter followed by a blank; a parameter containing ".EXE" in any case drops all gathered so far.
std::string ForwardedText(const std::vector<std::string>& parameters);

// Session-wide mutex name shared by every copy with this application window class and title.
std::string InstanceMutexName(const std::string& className, const std::string& title);

// The "Erreur" box text when the program file does not carry the expected name (compared without
// regard to case); nothing when no name is expected or the names agree.
std::optional<std::string> WrongNameMessage(const std::string& expectedName, const std::string& programName);

}  // namespace core
