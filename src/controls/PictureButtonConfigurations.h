#pragma once

#include "LayoutColor.h"
#include "PictureButton.h"

#include <QSize>
#include <QStringView>

#include <span>

namespace corvanel {

// How a window's layout sets up one of its picture buttons.
struct PictureButtonConfiguration {
    // Its layout: "TForm1" main window, "TTextos" result list, "TForm10" viewer.
    QStringView window;
    QStringView name;  // the button's name in that layout
    QSize size;
    QStringView picture;  // file under ":/artwork/"; empty: no picture
    QStringView hoverPicture;
    QStringView words;  // one line; empty: none
    LayoutColor hoverColour;
    LayoutColor leaveColour;
    PictureButton::Bevel outerBevel = PictureButton::Bevel::None;
    LayoutColor panelColour = kSystemButtonFace;
    QStringView hint;        // the layout's tool-tip
    QStringView spokenName;  // for screen readers, when there is no hint and no words
};

// Every picture button of the program, window by window.
std::span<const PictureButtonConfiguration> pictureButtonConfigurations();

// The configuration of a window's button; throws std::out_of_range for a
// button that no layout holds.
const PictureButtonConfiguration& pictureButtonConfiguration(QStringView window, QStringView name);

// Sets button up as its layout says. Like loading a layout, this ends with
// the normal colour current and the button visible.
void applyConfiguration(PictureButton& button, const PictureButtonConfiguration& configuration);

}  // namespace corvanel
