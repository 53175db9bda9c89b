// SPDX-License-Identifier: GPL-3.0-or-later
// A list box in the sorted style: each item added takes its place in ascending order of its
// text, ahead of any item that compares equal to it, as Qt's sorted item views place theirs.
// Texts in Latin letters (ASCII) are in alphabetical order whatever the locale, and before the
// others; the others are in the order of the user's locale (QString::localeAwareCompare). Items are
// read back by position, counting from 0. Shown, it lists its items one to a line on the base
// colour. It holds nothing but its texts, so a window that only sorts with it does not load Qt's
// item views at start-up. Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QStringList>
#include <QWidget>

namespace tavimor {

class SortedListBox : public QWidget {
    Q_OBJECT

public:
    explicit SortedListBox(QWidget *parent = nullptr);

    void Clear();
    void AddItem(const QString &text);
    int ListCount() const { return static_cast<int>(m_items.size()); }
    // The item at `index`; empty outside 0 to ListCount() - 1.
    QString List(int index) const { return m_items.value(index); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStringList m_items;
};

}  // namespace tavimor
