/* The installer's product data and dialog texts as UTF-8 string macros, so
   that the C++ code and the Windows resource script share one copy. Only
   preprocessor lines here: the resource compiler reads this file too. */
#pragma once

#define DRVINST_MAKER_NAME "Tessel"
#define DRVINST_MAKER_CHINESE_NAME "泰塞尔"
#define DRVINST_WEB_ADDRESS "www.tessel-instruments.com"

#define DRVINST_CHINESE_CAPTION DRVINST_MAKER_CHINESE_NAME "USB设备驱动"
#define DRVINST_ENGLISH_CAPTION "TESSEL USB driver install"
#define DRVINST_CHINESE_INSTALL_BUTTON "安装USB设备驱动"
#define DRVINST_ENGLISH_INSTALL_BUTTON "Install USB Driver"

#define DRVINST_ABOUT_MENU_ENTRY "关于 Drvinst(&A)..."
#define DRVINST_ABOUT_VERSION "Drvinst 1.0 版"
/* The about box's two legal-notice lines: its caption and a text line. */
#define DRVINST_ABOUT_CAPTION "Copyright (C) 2013 " DRVINST_MAKER_NAME " Instruments"
#define DRVINST_ABOUT_NOTICE "All rights reserved."
#define DRVINST_ABOUT_OK "确定"
