#include "resources/skin_art/picture_table.h"

namespace skinart {

const std::vector<TPictureSpec>& SkinPictures() {
    static const std::vector<TPictureSpec> pictures = {
        {"OK", 84, 28, skBitmap},
        {"Help", 60, 31, skBitmap},
        {"Nu", 90, 28, skBitmap},
        {"Surub", 8, 8, skBitmap},
        {"Interzis", 12, 12, skBitmap},
        {"Permis", 12, 12, skBitmap},
        {"Analitic", 57, 22, skBitmap},
        {"Linii", 8, 8, skBitmap},
        {"SpeedFace", 54, 16, skBitmap},
        {"LookupFace", 120, 42, skBitmap},
        {"Check", 66, 15, skBitmap},
        {"Radio", 22, 11, skBitmap},
        {"IconFace", 56, 28, skBitmap},
        {"HatchB", 8, 8, skBitmap},
        {"Precedent", 42, 14, skBitmap},
        {"Urmator", 42, 14, skBitmap},
        {"Plus", 42, 14, skBitmap},
        {"crescator", 20, 15, skBitmap},
        {"descrescator", 20, 15, skBitmap},
        {"GrupX", 42, 15, skBitmap},
        {"Grup0", 42, 15, skBitmap},
        {"ToolbVert", 8, 26, skBitmap},
        {"ToolbOriz", 26, 8, skBitmap},
        {"EscapeImg", 84, 15, skBitmap},
        {"SCLogo", 159, 24, skBitmap},
        {"Pag", 17, 28, skBitmap},
        {"PlusAdd", 30, 15, skBitmap},
        {"MinusDel", 30, 15, skBitmap},
        {"Mail", 72, 20, skBitmap},
        {"Talven", 102, 32, skBitmap},
        {"ImageListe", 160, 160, skBitmap},
        {"ImageDate", 160, 160, skBitmap},
        {"SaveAs", 72, 26, skBitmap},
        {"Buget", 54, 17, skBitmap},
        {"All", 81, 31, skBitmap},
        {"PalmaDeMajorca", 78, 11, skBitmap},
        {"ButtonFace2", 146, 23, skNone},
        {"ButtonFaceKSV", 180, 28, skBitmap},
        {"ButtonFaceKSV120", 180, 35, skBitmap},
        {"Hartie", 26, 96, skBitmap},
        {"Mijloc", 26, 96, skBitmap},
        {"Find", 60, 20, skBitmap},
        {"FindNext", 60, 20, skBitmap},
        {"MainTitleBarSliceE", 9, 35, skBitmap},
        {"SiglaKestrix2Img", 352, 35, skBitmap},
        {"SiglaKestrixImg", 352, 35, skPng},
        {"MainExitImg", 75, 24, skBitmap},
        {"PlusBlue", 30, 15, skBitmap},
        {"PlusPorto", 30, 15, skBitmap},
        {"Contract", 78, 11, skBitmap},
        {"Explicatii", 72, 22, skBitmap},
        {"PlusPeach", 30, 15, skBitmap},
        {"PlusSnorkel", 30, 15, skBitmap},
        {"UrmatorBlue", 48, 8, skBitmap},
        {"BSediu", 90, 24, skBitmap},
        {"BIntr", 105, 24, skBitmap},
        {"BIes", 96, 24, skBitmap},
        {"Sold", 84, 24, skBitmap},
        {"BBani", 99, 31, skBitmap},
        {"Stoc", 75, 24, skBitmap},
        {"Edit", 99, 22, skBitmap},
        {"Detalii", 90, 31, skBitmap},
        {"Jurnal", 99, 31, skBitmap},
        {"Print", 99, 31, skBitmap},
        {"Constante", 99, 31, skBitmap},
        {"Config", 105, 31, skBitmap},
        {"Avansat", 105, 31, skBitmap},
        {"PrnSetup", 99, 31, skBitmap},
        {"Cancel", 70, 22, skBitmap},
        {"Exit", 69, 26, skBitmap},
        {"Save", 78, 22, skBitmap},
        {"Vizual", 99, 31, skBitmap},
        {"Retry", 99, 31, skBitmap},
        {"BigExit", 78, 43, skBitmap},
        {"Add", 90, 31, skBitmap},
        {"Delete", 78, 31, skBitmap},
        {"BUnelte", 99, 31, skBitmap},
        {"Grafic", 99, 31, skBitmap},
        {"Tab", 234, 34, skBitmap},
        {"MenuTabCtrlFace120", 360, 31, skBitmap},
        {"TabCtrlFace", 360, 28, skBitmap},
        {"SagRight", 33, 13, skBitmap},
        {"SagUp", 33, 13, skBitmap},
        {"SagDown", 33, 13, skBitmap},
        {"SagLeft", 33, 13, skBitmap},
        {"nPrev", 30, 17, skBitmap},
        {"nNext", 30, 17, skBitmap},
        {"nLast", 48, 17, skBitmap},
        {"nFirst", 45, 17, skBitmap},
        {"FirstPag", 66, 9, skBitmap},
        {"LastPag", 66, 9, skBitmap},
        {"PrevPag", 54, 9, skBitmap},
        {"NextPag", 54, 9, skBitmap},
        {"StopModi", 68, 51, skBitmap},
        {"Anulat", 92, 53, skBitmap},
        {"Warning", 86, 53, skBitmap},
        {"Information", 86, 53, skBitmap},
        {"Error", 86, 53, skBitmap},
        {"Confirmation", 86, 53, skBitmap},
        {"SiglaWhiteL", 286, 40, skPng},
        {"SiglaBlackL", 286, 40, skPng},
        {"SiglaWhiteR", 76, 40, skPng},
        {"SiglaBlackR", 76, 40, skPng},
        {"Neoperat", 41, 60, skBitmap},
    };
    return pictures;
}

TPainters AllPainters() {
    TPainters p;
    AddSignPainters(p);
    AddArrowPainters(p);
    AddOfficePainters(p);
    AddBusinessPainters(p);
    AddChoicePainters(p);
    AddFacePainters(p);
    AddMessagePainters(p);
    AddPatternPainters(p);
    AddLogoPainters(p);
    return p;
}

} // namespace skinart
