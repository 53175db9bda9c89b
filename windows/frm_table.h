// SPDX-License-Identifier: GPL-3.0-or-later
// The table window: a reference card listing all 22 entries in their three written notations.
// It has no behaviour of its own; its close box closes it. There is at most one: showing it
// while it is open brings the same window forward, and after it was closed a new one is made.
// Window layouts (windows/).
#pragma once

#include <QWidget>

namespace tavimor {
class ImageBox;
}

class frmTable : public QWidget {
    Q_OBJECT

public:
    // Shows the one table window, modeless and without an owner, creating it if needed.
    static frmTable *ShowTable();
    // The open table window, or nullptr.
    static frmTable *OpenTable();
    // Closes the table window if it is open.
    static void CloseTable();

    tavimor::ImageBox *imgTable() const { return m_imgTable; }

private:
    frmTable();

    tavimor::ImageBox *m_imgTable;
};
