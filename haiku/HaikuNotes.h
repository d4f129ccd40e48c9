#pragma once
// What the notes reader returns for one haiku (kirono.txt); the haiku card
// shows it whole. Shift-JIS, NUL-terminated, widths include the terminator.

struct HaikuNotes {
    char preface[80];      // "1:" headnote
    char reading1[30];     // "2:" reading, three parts
    char reading2[30];
    char reading3[30];
    char season[6];        // "3:"
    char seasonWord[80];   // "4:"
    char commentary[1024]; // "6:" and its continuation lines, blank-filled
    char source[80];       // "5:"
};
