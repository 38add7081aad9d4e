#pragma once
// The forms layer in one include: controls, forms, the application and its services.
//
// Where to read what:
//   Control.h            events, their order on a focus move, focus rules
//   TextControl.h        text, selection, the changed flag DataChanged
//   TextBox.h ComboBox.h Label.h Button.h Line.h Picture.h   the control kinds
//   ControlArray.h       rows of like controls indexed 1 to N
//   Form.h               load, show, hide, modal show, tab order, cancel button, close hook
//   Application.h        services, end of the program, user actions (used by tests and the binding)
//   Services.h           message box, printer, modal loop, program end, Renderer observer
//   ScriptedApplication.h  the headless application for tests
//   KeyCodes.h           key codes and shift bits

#include "platform/forms/Application.h"
#include "platform/forms/Button.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Control.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/KeyCodes.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/forms/Picture.h"
#include "platform/forms/Services.h"
#include "platform/forms/TextBox.h"
