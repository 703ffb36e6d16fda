#pragma once
// The runtime's own messages, in the language the program speaks to its users; "%d" and "%s"
// stand for the values the message is formatted with.
#include "platform/rtl/UString.h"

inline const char* const SListIndexError = "Index de liste hors limites (%d)";
inline const char* const SOutOfResourcesTimers = "Pas assez de timers disponibles";
inline const char* const SInvalidFileName = "Nom de fichier incorrect - %s";
inline const char* const SFOpenError = "Impossible d'ouvrir le fichier %s";
inline const char* const SOutOfRange = "La valeur doit être comprise entre %d et %d";
inline const char* const SUnknownValue = "(inconnu)";
inline const char* const SInvalidBitmap = "Image de bitmap non valide";
inline const char* const SInvalidImageSize = "Taille de l'image non valide";
inline const char* const STooManyImages = "Trop d'images";

// SListIndexError for the index.
String ListIndexErrorMessage(Integer index);
