// A label whose caption setting always raises Change, also when the caption is set to the text
// it already shows, and which carries a free tag text.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QLabel>
#include <QString>

namespace tavimor {

class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    explicit CaptionLabel(QWidget *parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString &caption);
    QString Tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

signals:
    void Change();

private:
    QString m_tag;
};

}  // namespace tavimor
