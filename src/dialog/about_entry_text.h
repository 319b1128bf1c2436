/* The system-menu entry of the About box (IDS_ABOUTBOX). A macro, because the
   resource compiler reads this file too: the .rc string table and the table
   the other front ends get take the text from here. */
#pragma once

#define VS_ABOUT_ENTRY_TEXT "&About VornakStarter..."
