// SPDX-License-Identifier: GPL-3.0-or-later
// A command button whose access key clicks it at once (access_key.h).
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QPushButton>

namespace tavimor {

class CommandButton : public QPushButton {
    Q_OBJECT

public:
    explicit CommandButton(const QString &text, QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
};

}  // namespace tavimor
