#pragma once

#include <QObject>

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void aDropCountsOnlyStrictlyInsideTheDropPicture_data();
    void aDropCountsOnlyStrictlyInsideTheDropPicture();
    void aDropTakesTheFirstFileWholeAndEmptiesTheForm();
    void aDroppedFileWhoseNameIsNotTextIsRefused();
    void thePicturesCarryTheirHintsAndPointers();
    void theHelpButtonAndF1ShowTheAboutBox();
    void theAboutBoxOpensTheSupportPage();
    void theBrowsePictureHandsOverToTheBrowseWindow();
};
