#pragma once

// Makes a fresh temporary folder the working directory, once per process:
// the program names every file bare, in the working directory. The folder is
// removed when the process ends normally.
void enterFuzzWorkDir();
