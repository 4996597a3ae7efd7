// Handing work to external shredder programs through command templates.
#pragma once

#include <string>

// Puts the argument in place of the template's "%s" ("%%" stands for one percent sign),
// in the system code page.
std::string FormatExternalCommand(const std::string& templ, const std::wstring& argument);

// Starts the command line and returns at once, without waiting; the WinExec result
// (31 or less is a failure).
unsigned LaunchExternal(const std::string& commandLine, int showState);
