#include "forms/widgets/storedpictures.h"

QImage storedPicture(std::string_view name)
{
    for (const StoredPicture& picture : storedPictures)
        if (name == picture.name)
            return QImage(reinterpret_cast<const uchar*>(picture.pixels), picture.width, picture.height,
                picture.width * 4, QImage::Format_ARGB32_Premultiplied);
    return {};
}
