#pragma once
#include <memory>

class Form1;
class WModelessDialog;

// The main window of the running installer; empty when there is none. Set as soon as the
// Form1 object exists, before its window is created, so that it already names the form while
// the form sets itself up.
extern std::unique_ptr<Form1> MainWindowReference;

// Allocates a Form1, makes it the main window and creates its window from "ID_Form1".
// Returns the form, or null (and no main window) when either step failed.
Form1* CreateMainWindow();

// Deletes the main window's form, if any (its window goes first if it still exists).
void DestroyMainWindow();

bool IsMainWindow(const WModelessDialog* form);
