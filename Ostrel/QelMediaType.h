// QelMediaType: the kinds of file a browse button offers, each with its
// file-dialog filter. Type 0 stands for a list of filters given by string
// ids of a resource module (QelBrowseButton::SetTypeIDs).
#pragma once

#include <QString>

class QelResource;
// The resource module whose string table holds a browse button's filters.
typedef QelResource* HINSTANCE;

class QelMediaType {
public:
    enum eType {
        FromTypeIds = 0,  // the filters of the type-id list
        AnyFile = 1,      // All files (*)
        Image = 2,        // Images (*.png *.jpg *.jpeg *.bmp *.gif *.svg)
        Sound = 3,        // Sounds (*.wav *.mp3 *.ogg *.flac)
        Video = 4,        // Videos (*.mp4 *.mkv *.avi *.mov *.webm)
        Text = 5,         // Text files (*.txt *.csv *.log)
        Script = 6,       // Scripts (*.js)
    };

    // The filter of a type, e.g. "Images (*.png *.jpg)"; every type but
    // AnyFile is followed by ";;All files (*)". Unknown types: all files.
    static QString Filter(eType type);
};
