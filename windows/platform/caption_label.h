// SPDX-License-Identifier: GPL-3.0-or-later
// A label whose caption setting always raises Change, also when the caption is set to the text
// it already shows, and which carries a free tag text. It may have a single-line border, which
// keeps its own colour whatever colour the caption's text takes.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QLabel>
#include <QString>
#include <optional>

#include "colours.h"

namespace tavimor {

class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    explicit CaptionLabel(QWidget *parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString &caption);
    QString Tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }
    // Draws a single-line border in `colour` around the label, inside its rectangle.
    void setBorderColour(OleColor colour);

signals:
    void Change();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_tag;
    std::optional<OleColor> m_borderColour;
};

}  // namespace tavimor
