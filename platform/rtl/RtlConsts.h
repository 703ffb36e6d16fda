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
inline const char* const SAssertionFailed = "Echec de l'assertion";
inline const char* const SAssertError = "%s (%s, ligne %d)";

// SListIndexError for the index.
String ListIndexErrorMessage(Integer index);
// Raises EAssertionFailed for a failed check at line Line of unit Unit: "Message (Unit, ligne
// Line)", the message being SAssertionFailed when empty.
[[noreturn]] void AssertionFailed(const String& Message, const String& Unit, Integer Line);
// Raises EAssertionFailed as above unless the condition holds.
inline void Assert(bool Condition, const String& Unit, Integer Line)
{
    if (!Condition) AssertionFailed(String(), Unit, Line);
}
