#pragma once

// Kelvotour's command line:
//
//   kelvotour                          the main window
//   kelvotour --gallery DIR            every available scene as PNG files and DIR/index.html
//   kelvotour --scene N --out FILE     one scene's graph picture
//   kelvotour --scene N --screenshot FILE
//                                      on a real display: a screenshot of the main window
//                                      with scene N, checked for a non-blank graph panel
//   kelvotour --scene N --screenshot-sequence DIR [--sequence-step K]
//                                      on a real display: scene N animated at its paced frame
//                                      rate, every K-th frame (10 unless given) grabbed from
//                                      the screen into DIR

#include <QStringList>

class QTextStream;

namespace kelvotour {

// Runs the program as `arguments` (the program's name first) ask. Reports go to `out`,
// failures to `errors`. Returns the exit status: 0 for success.
int run_kelvotour(QStringList const& arguments, QTextStream& out, QTextStream& errors);

} // namespace kelvotour
