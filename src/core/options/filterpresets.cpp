#include "options/filterpresets.h"

#include "base/settingskeys.h"

using namespace Qt::StringLiterals;

const std::array<FilterPreset, FilterPresetCount> &FilterPresets() {
    static const std::array<FilterPreset, FilterPresetCount> presets = {{
        {"All"_L1, "*"_L1},
        {"Default"_L1, Defaults::filterExtensions},
        {"Music"_L1, "mp3,mp4,mid,ogg,vob,wma,wav"_L1},
        {"Movies"_L1, "asf,avi,mpeg,mpg,mov,rm,wmv"_L1},
        {"Pictures"_L1,
         "gif,jpg,jpeg,jpe,jfif,jif,png,bmp,tiff,tif,rle,tga,msp,img,emf,wmf,wmi"_L1},
        {"Documents"_L1, "doc,txt,xml,dhtml,html,htm,css,rtf,pdf,js,hlp,chm,nfo,diz"_L1},
        {"Applications"_L1, "exe,scr,zip,ace,rar,arc,cab,vbs,tar,gz"_L1},
        {"Programming"_L1, "bas,cls,ctl,frm,c,cpp,h,pas"_L1},
        {"Miscellaneous"_L1, "torrent,ini,dat"_L1},
        {"Music And Movies"_L1, "mp3,mp4,mid,ogg,vob,wma,wav,asf,avi,mpeg,mpg,mov,rm,wmv"_L1},
        {"Movies And Pictures"_L1,
         "asf,avi,mpeg,mpg,mov,rm,wmv,gif,jpg,jpeg,jpe,jfif,jif,png,bmp,tiff,tif,rle,tga,msp,"
         "img,emf,wmf,wmi"_L1},
        {"Music And Pictures"_L1,
         "mp3,mp4,mid,ogg,vob,wma,wav,gif,jpg,jpeg,jpe,jfif,jif,png,bmp,tiff,tif,rle,tga,msp,"
         "img,emf,wmf,wmi"_L1},
        {"Music, Movies And Pictures"_L1,
         "mp3,mp4,mid,ogg,vob,wma,wav,asf,avi,mpeg,mpg,mov,rm,wmv,gif,jpg,jpeg,jpe,jfif,jif,"
         "png,bmp,tiff,tif,rle,tga,msp,img,emf,wmf,wmi"_L1},
    }};
    return presets;
}

bool FilterPresetChooser::Choose(int index, QString &text) {
    if (index < 0 || index >= FilterPresetCount || index == m_lastPreset)
        return false;
    m_lastPreset = index;
    text = FilterPresets()[static_cast<size_t>(index)].filter;
    return true;
}
