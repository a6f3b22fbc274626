#include "ui/ScreenController.h"

namespace {

ScreenController* published = nullptr;

} // namespace

ScreenController* currentScreenController() { return published; }
void setCurrentScreenController(ScreenController* controller) { published = controller; }
