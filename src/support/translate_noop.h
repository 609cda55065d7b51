#pragma once
// Marks a user-facing literal for Qt's lupdate, which is told about it with
// `-tr-function-alias QT_TRANSLATE_NOOP+=KARNOTH_TRANSLATE_NOOP`. Outside Qt the literal is kept as
// it is, so the English every Qt-free library writes (the CLI, its JSON and report) never changes;
// the window translates it when it shows it (QCoreApplication::translate in `context`).
#ifndef KARNOTH_TRANSLATE_NOOP
#define KARNOTH_TRANSLATE_NOOP(context, text) text
#endif
