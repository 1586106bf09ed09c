#pragma once
// The numbered icon resources of Tavrilo.exe, shared by its resource script and its tests.
//
// Windows counts a program's icons in the order of its resource directory: named icons first,
// by name, then numbered ones by number. That makes APPICON icon 0 (the program's own icon),
// RECEIVING 1 and WAITING 2; the numbered ones follow. The file association shows icon 4 for
// configuration files. No icon of its own belongs at 3, so the document icon fills it as well.

#define TAVRILO_DOCUMENT_ICON_AT_3 1
#define TAVRILO_DOCUMENT_ICON 2
