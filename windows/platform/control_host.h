// SPDX-License-Identifier: GPL-3.0-or-later
// What a window offers the controls it holds: whether it is being designed or running, its
// locale, its ambient font, the property-changed notice and the conversion of positions.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QFont>
#include <QObject>
#include <QPointF>
#include <QString>

class QMouseEvent;

namespace tavimor {

// The arguments of a control's mouse event: the button (on release the one released, otherwise
// the ones held), the shift state, and the position converted to the host's twips.
struct MouseArguments {
    short Button = 0;
    short Shift = 0;
    float X = 0;
    float Y = 0;
};
MouseArguments MouseArgumentsOf(const QMouseEvent *event);

class ControlHost : public QObject {
    Q_OBJECT

public:
    enum class Mode { Designing, Running };

    static constexpr int kJapanese = 1041;
    static constexpr int kEnglish = 1033;

    // A host with the user's locale (1041 for Japanese, 1033 otherwise) and the application's
    // font as its ambient font.
    explicit ControlHost(Mode mode = Mode::Running, QObject *parent = nullptr);

    // The host every control uses unless it is given another: running, with the user's locale.
    static ControlHost *Default();

    // True while running, false while designing.
    bool UserMode() const { return m_mode == Mode::Running; }
    int LocaleID() const { return m_localeId; }
    void setLocaleID(int localeId) { m_localeId = localeId; }
    QFont AmbientFont() const { return m_ambientFont; }
    void setAmbientFont(const QFont &font) { m_ambientFont = font; }
    // The identifying text of the running application, the source of the controls' errors.
    QString ApplicationTitle() const { return QStringLiteral("Tavimor"); }

    // A control tells its host that one of its properties changed.
    void NotifyPropertyChanged(QObject *control, const QString &name);

    // A control's position in pixels as a position in the host's coordinates (twips).
    static QPointF ScaleToContainer(QPointF pixels);

signals:
    void PropertyChanged(QObject *control, const QString &name);

private:
    Mode m_mode;
    int m_localeId;
    QFont m_ambientFont;
};

}  // namespace tavimor
