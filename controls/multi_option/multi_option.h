// SPDX-License-Identifier: GPL-3.0-or-later
// MultiOption: a captioned frame holding one group of option buttons, of which at most one is
// selected. The host gives the number of buttons, their captions as one "|"-separated string
// and a grid geometry in twips; the control creates, places and labels the buttons itself,
// reports the selected index through Value (-1 for none) and raises Change whenever a button is
// selected, by the user or by the program, and when the user clicks the button already selected.
// Deselection raises nothing.
// Multi-option control (controls/multi_option/).
#pragma once

#include <QElapsedTimer>
#include <QFont>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>
#include <vector>

#include "colours.h"
#include "control_base.h"
#include "option_grid.h"
#include "type_ahead.h"

class QButtonGroup;
class QGroupBox;
class QRadioButton;

namespace tavimor {
class ControlHost;
struct MessageRow;
class OptionButton;
class PropertyBag;
}  // namespace tavimor

namespace tavimor {

class MultiOption : public tavimor::ControlBase {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Tavimor.MultiOption")
    Q_PROPERTY(qint32 BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(quint32 CaptionColor READ CaptionColor WRITE setCaptionColor)
    Q_PROPERTY(QFont CaptionFont READ CaptionFont WRITE setCaptionFont)
    Q_PROPERTY(qint16 DefaultValue READ DefaultValue WRITE setDefaultValue)
    Q_PROPERTY(qint32 HoriSpace READ HoriSpace WRITE setHoriSpace)
    Q_PROPERTY(quint32 OptionBackColor READ OptionBackColor WRITE setOptionBackColor)
    Q_PROPERTY(QString OptionCaptions READ OptionCaptions WRITE setOptionCaptions)
    Q_PROPERTY(QFont OptionFont READ OptionFont WRITE setOptionFont)
    Q_PROPERTY(quint32 OptionForeColor READ OptionForeColor WRITE setOptionForeColor)
    Q_PROPERTY(qint32 OptionHeight READ OptionHeight WRITE setOptionHeight)
    Q_PROPERTY(qint32 OptionLeft READ OptionLeft WRITE setOptionLeft)
    Q_PROPERTY(qint16 OptionNum READ OptionNum WRITE setOptionNum)
    Q_PROPERTY(qint16 OptionNumPerLine READ OptionNumPerLine WRITE setOptionNumPerLine)
    Q_PROPERTY(qint32 OptionTop READ OptionTop WRITE setOptionTop)
    Q_PROPERTY(qint32 OptionWidth READ OptionWidth WRITE setOptionWidth)
    Q_PROPERTY(qint16 Value READ Value WRITE setValue)
    Q_PROPERTY(qint32 VartSpace READ VartSpace WRITE setVartSpace)

public:
    // The defaults of the persisted settings, each stated here once: what a control placed new
    // has, what a stored set without the key reads, and what is not stored.
    struct Defaults {
        static constexpr qint16 BackStyle = 1;
        static constexpr quint32 BackColor = tavimor::kSysButtonFace;
        static constexpr quint32 ForeColor = tavimor::kSysButtonText;
        static constexpr qint16 BorderStyle = 1;
        static constexpr bool Enabled = true;
        static constexpr qint32 OptionLeft = 120;
        static constexpr qint32 OptionTop = 240;
        static constexpr qint16 DefaultValue = 0;
        static constexpr qint32 HoriSpace = 0;
        static constexpr qint32 OptionHeight = 250;
        static constexpr qint16 OptionNum = 1;
        static constexpr qint16 OptionNumPerLine = 0;
        static constexpr qint32 OptionWidth = 1300;
        static constexpr qint32 VartSpace = 0;
    };

    // Placed new: the fields take their initial values and button 0 its initial place; the
    // buttons are rebuilt when the control is first shown. Without a host the control uses the
    // default (running) host.
    explicit MultiOption(tavimor::ControlHost *host = nullptr, QWidget *parent = nullptr);

    // The control's own rows of its bilingual message table (beside the common ones).
    static std::span<const tavimor::MessageRow> Messages();

    // Creates the control's settings from a stored set, then rebuilds and selects DefaultValue.
    void ReadProperties(const tavimor::PropertyBag &bag);

    void Cls();
    void Store();
    void Restore();
    void RestoreDefault();

    qint32 BorderStyle() const { return m_BorderStyle; }
    void setBorderStyle(qint32 style);
    QString Caption() const;
    void setCaption(const QString &caption);
    quint32 CaptionColor() const { return FaceForeColor(); }
    void setCaptionColor(quint32 colour) { SetFaceForeColor(colour, "CaptionColor"); }
    QFont CaptionFont() const { return FaceFont(); }
    void setCaptionFont(const QFont &font) { SetFaceFont(font, "CaptionFont"); }
    qint16 DefaultValue() const { return m_DefaultValue; }
    void setDefaultValue(qint16 value);
    qint32 HoriSpace() const { return m_HoriSpace; }
    void setHoriSpace(qint32 space);
    quint32 OptionBackColor() const;
    void setOptionBackColor(quint32 colour);
    QString OptionCaptions() const { return m_OptionCaptions; }
    void setOptionCaptions(const QString &captions);
    QFont OptionFont() const;
    void setOptionFont(const QFont &font);
    quint32 OptionForeColor() const;
    void setOptionForeColor(quint32 colour);
    qint32 OptionHeight() const { return m_OptionHeight; }
    void setOptionHeight(qint32 height);
    qint32 OptionLeft() const;
    void setOptionLeft(qint32 left);
    qint16 OptionNum() const { return m_OptionNum; }
    void setOptionNum(qint16 count);
    qint16 OptionNumPerLine() const { return m_OptionNumPerLine; }
    void setOptionNumPerLine(qint16 count);
    qint32 OptionTop() const;
    void setOptionTop(qint32 top);
    qint32 OptionWidth() const { return m_OptionWidth; }
    void setOptionWidth(qint32 width);
    qint16 Value() const;
    void setValue(qint16 value);
    qint32 VartSpace() const { return m_VartSpace; }
    void setVartSpace(qint32 space);

    // The captions split from OptionCaptions, lengthened to cover every button.
    const QStringList &CaptionList() const { return m_CaptionList; }
    // The option buttons, button 0 first.
    QRadioButton *Option(int index) const;
    int OptionCount() const { return static_cast<int>(optChildOption.size()); }
    // An option button's place and size in twips, as the control holds them.
    using OptionGeometry = tavimor::OptionCell;
    OptionGeometry OptionPlace(int index) const;

signals:
    void Change();
    void MouseDown(short Button, short Shift, float X, float Y);
    void MouseMove(short Button, short Shift, float X, float Y);
    void MouseUp(short Button, short Shift, float X, float Y);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::span<const tavimor::StoredProperty> StoredProperties() const override;
    std::span<const ReadPart> ReadOrder() const override;

    void RebuildOptions();
    void SplitOptionCaptions();

    void ShowMessage(short number);
    void DeselectAll();
    void UpdateTabStop();
    void SelectOption(int index);
    tavimor::OptionButton *CreateOption(int index);
    void PlaceOption(int index);
    // Typed text (a key's, or an input method's commit) in the focused option `focused`:
    // chooses and focuses the option it reaches. True when the event was the search's.
    bool TypeToOption(int focused, QEvent *event);

    QGroupBox *frameContainer;
    std::vector<tavimor::OptionButton *> optChildOption;
    std::vector<OptionGeometry> m_optionGeometry;
    QButtonGroup *m_group;
    tavimor::TypeAhead m_typeAhead;
    // The time stamp of the search's last text and the time since, for an input method's
    // commit, which has no time stamp of its own.
    unsigned long m_typeAheadStamp = 0;
    QElapsedTimer m_typeAheadTime;
    qint32 m_BorderStyle = Defaults::BorderStyle;
    qint16 m_BackStyle = Defaults::BackStyle;

    std::optional<qint16> m_StoredValue;
    qint16 m_DefaultValue = Defaults::DefaultValue;
    qint32 m_HoriSpace = Defaults::HoriSpace;
    QStringList m_CaptionList{QString()};
    QString m_OptionCaptions;
    qint32 m_OptionHeight = Defaults::OptionHeight;
    qint16 m_OptionNum = Defaults::OptionNum;
    qint16 m_OptionNumPerLine = Defaults::OptionNumPerLine;
    qint32 m_OptionWidth = Defaults::OptionWidth;
    qint32 m_VartSpace = Defaults::VartSpace;
};

}  // namespace tavimor
