#include "QelMediaType.h"

QString QelMediaType::Filter(eType type)
{
    const QString all = QStringLiteral("All files (*)");
    const char* own = nullptr;
    switch (type) {
    case Image: own = "Images (*.png *.jpg *.jpeg *.bmp *.gif *.svg)"; break;
    case Sound: own = "Sounds (*.wav *.mp3 *.ogg *.flac)"; break;
    case Video: own = "Videos (*.mp4 *.mkv *.avi *.mov *.webm)"; break;
    case Text: own = "Text files (*.txt *.csv *.log)"; break;
    case Script: own = "Scripts (*.js)"; break;
    default: break;
    }
    return own ? QString::fromLatin1(own) + QStringLiteral(";;") + all : all;
}
