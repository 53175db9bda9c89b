// The main window of the drill.
#pragma once

#include <QWidget>

class frmMain : public QWidget {
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);
};
