#pragma once
// The general-information dialog's rules, apart from its window: the texts of the model's
// descriptive record and how they are stored.
#include "engine/Unites.h"
#include "platform/rtl/UString.h"

// The dialog's fields as the user sees them.
struct TInformationsFields {
    String Titre, Barrage, Compagnie, Adresse, Ingenieur, Createur;
    TDateTime date = 0;
    String Commentaires;
};

// The fields filled from the model's record.
TInformationsFields ReadInformations(const TInformations& infos);
// OK: each text stored as the model's single-byte short string (Windows-1252, cut to 80 bytes,
// the comments to 255) and the date part of the date.  No flag changes.
void ApplyInformations(const TInformationsFields& fields, TInformations& infos);
