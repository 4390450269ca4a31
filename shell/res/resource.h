// Resource ids of the program vornal: its dialogs, form views, pictures,
// strings, and the command ids of its own menu commands.
#pragma once

// Pictures.
#define IDR_MAINFRAME               128     // program icon, frame menu, toolbar, title
#define IDB_SPLASH                  102     // splash picture, most of the year
#define IDB_SPLASH_WINTER           1011    // splash picture, 2 December to 14 January
#define IDI_ROW_UP                  208
#define IDI_ROW_DOWN                209
#define IDI_ARM_LEDGER              301     // workplace icons (the configuration names them)
#define IDI_ARM_PAYROLL             302
#define IDI_ARM_PERSONNEL           303
#define IDI_ARM_TARIFFICATION       304
#define IDI_ARM_WAREHOUSE           305

// Strings.
#define IDS_APP_TITLE               57344

// Dialogs and form views.
#define IDD_ABOUTBOX                100
#define IDD_SELECT_ARM              130
#define IDD_SQL_PARAMS              150
#define IDD_OTP_FROM_TO             223
#define IDD_OTP_KIND                900     // periods by kind (the quarter view)
#define IDD_OTP_MONTH               901     // periods by month
#define IDD_REGISTER_USER           910
#define IDD_WELCOME                 911
#define IDD_WELCOME_SETTINGS        912

// Login dialog (910).
#define IDC_LOGIN_TN                112
#define IDC_LOGIN_PASSWORD          1001
#define IDC_LOGIN_REMEMBER          1017
#define IDC_LOGIN_CONNECTION        10007

// Grids of the workplace choice, the database chooser and the quarter view.
#define IDC_GRID                    10051

// Connection settings (150) and one database of the chooser (912).
#define IDC_DB_DRIVER               1006
#define IDC_DB_SERVER               1048
#define IDC_DB_NAME                 1045
#define IDC_DB_USER                 1046
#define IDC_DB_PASSWORD             1001
#define IDC_DB_BROWSE               1012
#define IDC_DB_FOLDER               1013
#define IDC_DB_TITLE                1014

// Database chooser (911).
#define IDC_WELCOME_ADD             40020
#define IDC_WELCOME_CHANGE          1010
#define IDC_WELCOME_DELETE          32791
#define IDC_WELCOME_UP              1030
#define IDC_WELCOME_DOWN            1031
#define IDC_WELCOME_CONFIGURATOR    1020

// Period dates (223).
#define IDC_OTP_FROM                1010
#define IDC_OTP_TO                  1011

// Month view (901).
#define IDC_OTP_GRID                1002
#define IDC_OTP_YEARS               1058
#define IDC_OTP_ADD_YEAR            1028
#define IDC_OTP_EDIT                1029

// Quarter view (900).
#define IDC_OTP_YEAR                1052
#define IDC_OTP_YEAR_SPIN           1021

// About box (100).
#define IDC_ABOUT_AUTHOR            1003
#define IDC_ABOUT_RELEASE           1005
#define IDC_ABOUT_IP                1006
#define IDC_ABOUT_DATABASE          1007
#define IDC_ABOUT_DRIVER            1008
#define IDC_ABOUT_ARCHIVE           1009
#define IDC_ABOUT_SERVER            1010
#define IDC_ABOUT_PATH              1013
#define IDC_ABOUT_CONFIG            1019

// Commands of the application object.
#define ID_APP_CLOSE_ALL            10008
#define ID_APP_CALCULATOR           32834
#define ID_APP_PERIOD_MONTH         10006
#define ID_APP_PERIOD_KIND          32906
#define ID_APP_SETTINGS             10007
#define ID_APP_PRINT_DIRECT         10009
