// SPDX-License-Identifier: GPL-3.0-or-later
// Window layouts (windows/): see frm_table.h.
#include "frm_table.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include "colours.h"
#include "image_box.h"
#include "program_resources.h"
#include "window_accessibility.h"

using namespace tavimor;

namespace {
QPointer<frmTable> g_table;
}  // namespace

frmTable::frmTable() : QWidget(nullptr), m_imgTable(new ImageBox(this))
{
    setObjectName(QStringLiteral("frmTable"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Tavimor - Amino Acids at a Glance"));
    GiveProgramIcon(this);
    ReportAsWindow(this);
    setFixedSize(TwipsToPixels(4380), TwipsToPixels(6645));

    m_imgTable->setObjectName(QStringLiteral("imgTable"));
    m_imgTable->move(TwipsToPixels(360), 0);
    m_imgTable->setPicture(&TablePicture);
    m_imgTable->setAccessibleName(QStringLiteral("アミノ酸一覧表"));

    // Without an owner the window stands in the middle of the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

frmTable *frmTable::ShowTable()
{
    if (g_table.isNull()) {
        g_table = new frmTable;
    }
    g_table->show();
    g_table->raise();
    g_table->activateWindow();
    return g_table.data();
}

frmTable *frmTable::OpenTable()
{
    return g_table.data();
}

void frmTable::CloseTable()
{
    if (!g_table.isNull()) {
        g_table->close();
    }
}
