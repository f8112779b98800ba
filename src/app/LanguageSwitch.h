#pragma once

#include <QObject>

class CaptionComponent;
class Form1;
class InformationGroup;
class PaneAids;
class QLabel;
class QWidget;

// The flags of the main window: Image1 switches every window to Italian,
// Image2 to English, whether the window is open or not. Only the interface
// changes: the panes, the term box and the dictionary stay, and lines already
// written stay in the language they were written in.
class LanguageSwitch : public QObject {
    Q_OBJECT
public:
    LanguageSwitch(Form1 &form1, QWidget *form2, QWidget *form3, QWidget *form4, QWidget *form7);

    void Image1Click();
    void Image2Click();

private:
    void switchTo(const QString &languageName);

    Form1 &form1_;
    CaptionComponent *Lingue;
    CaptionComponent *Lingue2;
    CaptionComponent *Lingue3;
    CaptionComponent *Lingue4;
    CaptionComponent *Lingue7;
    PaneAids *paneAids_;
    InformationGroup *informationGroup_;
    QLabel *GradButton4;
};
