#include "settings/notices.h"

namespace settings {

std::string AntivirusNotice() {
    return "ATTENTION: You have installed Symantec`s Norton Antivirus on your System!\r\r"
           "Therefore Symantec has provided a fix for computers which freeze on the\r"
           "\"Please wait while your computer shuts down\" screen. - This especially\r"
           "may occure in conjunction with the \"FORCE Shutdown/Reboot ...\" features\r"
           "of Ravelin - or in general.\r\r"
           "To prevent these freezes, please do the following:\r"
           "Open the folder where you have installed Norton Antivirus and search for\r"
           "the files \"APLD_RUN.REG\" and \"APMSGOFF.REG\". Then double-click on\r"
           "each of them and they will be imported into your registry. - After having\r"
           "rebooted your computer, the problem with NAV for Win95/98 should be\r"
           "fixed.\r\r"
           "If you ever should want to undo these changes, you can import the files:\r"
           "\"APLD_VXD.REG\" and \"APMSGON.REG\" the same way.\r\r"
           "(This message will only be shown once. Please consult the FAQ section of\r"
           "the Online Help, if you want to look at this information again.)";
}

std::string IniNotice(std::string_view userName, std::string_view windowsDirectory) {
    return "The way of saving the INI data has changed!\r\r"
           "NEW: (Nearly) all settings of Ravelin will now be saved differently\r"
           "for each user. Only for changing the Win95 SplashScreens and the Device-\r"
           "Manager settings, you must log on with administrative rights!\r\r"
           "Please do open the Settings Notebook now, after RVLN! has loaded, and\r"
           "check all settings, which shall be available for user: [ " +
           std::string(userName) + " ]\r\rYour old RVLN.INI file [ " + std::string(windowsDirectory) +
           " ] will not longer be used.";
}

std::string AnimationNotice() {
    return "The old standard setting for the TrayIcon\r"
           "animation speed has been changed to a\r"
           "value of \"180\" instead of \"80\".\r\r"
           "If you want to change this speed, please do\r"
           "the appropriate settings on page 1/5 of the\r"
           "\"Controls\" Tab in the Settings-Notebook.";
}

}  // namespace settings
