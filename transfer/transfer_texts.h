#pragma once
// What the copy steps say to the user, word for word.
#include <string>

namespace TransferTexts {

inline const std::string AssemblingCaption = "Asamblare arhive...";
inline const std::string InitialCaption = "Apasa 'Continua' pentru a incepe instalarea.....";

inline const std::string DiskPromptHeading = "Pentru continuare";
inline std::string DiskPrompt(int disk) {
    return "introdu discul de instalare cu numarul \r" + std::to_string(disk);
}

inline const std::string OlderEngineHeading = "Protectia aplicatiilor existente";
inline const std::string OlderEngineWarning = "Am gasit o instalare mai veche de\r"
                                              "motor baza de date (BDE)...\r"
                                              "Daca Kestrix nu functioneaza, contactati-ne.\r";
inline const std::string HeadingAfterWarning = "PENTRU CONTINUARE";

inline std::string CannotDelete(const std::string& path) {
    return "Nu pot sterge " + path;
}

} // namespace TransferTexts
