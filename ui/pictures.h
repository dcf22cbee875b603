#pragma once
// Picture resources of the program's buttons, by the ids the resource script gives them.
namespace ui {

enum Picture : int {
    kPictureSettings = 101,
    kPictureTray = 102,
    kPictureInfo = 103,
    kPictureMainNormal = 111,
    kPictureMainDisabled = 112,
    kPictureMainPressed = 113,
    kPictureLedRed = 121,
    kPictureLedGreen = 122,
    kPictureFolderFull = 131,
    kPictureFolderEmpty = 132,
    kPictureDriveFloppy = 141,
    kPictureDriveFixed = 142,
    kPictureDriveCdrom = 143,
    kPictureDriveNetwork = 144,
    kPictureDriveRam = 145,
    kPictureDriveRemovable = 146,
    kPictureDriveTape = 147,
};

}  // namespace ui
