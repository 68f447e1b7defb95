// Marks a fixed text for the translators (lupdate finds it) where Qt's own
// headers are not included; the same definition as Qt's, so that both may
// meet in one file. The text is translated where it is shown.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
