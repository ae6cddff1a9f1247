// The window helpers of the widget tests serve the wizard's tests too (one copy of the code).
#include "ui/support/Gui.cpp"
