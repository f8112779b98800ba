#pragma once

#include "dictionary/Exclusions.h"

#include <QDialog>
#include <QSize>

class ActiveListOwner;
class QListWidget;
class QPushButton;

// The exclusion window: the categories of dictionaries to leave out, shown
// modally over the main window. It lives for the whole run, so the ticks stay
// as the user left them; nothing is stored.
class Form2 : public QDialog {
    Q_OBJECT
public:
    Form2(ActiveListOwner &mainWindow, QWidget *parent = nullptr);

    zelvora::Exclusions ticks() const;

    // "CHIUDI": rebuilds the active list from the catalogue by the ticks, has
    // the main window reload from it, and closes. A file that cannot be read
    // is reported and leaves the window open.
    void GradButton1Click();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void scaleControls(double scale);

    ActiveListOwner &mainWindow_;
    QString AppFolder;
    QSize designSize_;
    QListWidget *RxCheckListBox1 = nullptr;
    QPushButton *GradButton1 = nullptr;
};
