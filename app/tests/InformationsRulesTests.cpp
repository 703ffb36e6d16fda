// The general-information dialog's rules: texts stored as the model's single-byte short strings.
#include <gtest/gtest.h>

#include "app/InformationsRules.h"

TEST(InformationsRules, TextsAreCutToTheirStoredLengthsInTheSingleByteCodePage)
{
    const String eighty(std::u16string(80, u'x'));
    const String eightyOne(std::u16string(81, u'y'));
    TInformationsFields f;
    f.Titre = eighty;
    f.Barrage = eightyOne;
    f.Compagnie = String(u"Hydro-Québec €");   // both in Windows-1252
    f.Adresse = String(u"Łódź");               // Ł and ź are not
    f.Commentaires = String(std::u16string(300, u'c'));
    f.date = 45000.75;
    TInformations i;
    ApplyInformations(f, i);
    EXPECT_EQ(i.Titre.ToString(), eighty);
    EXPECT_EQ(i.Barrage.Length(), 80);
    EXPECT_EQ(i.Compagnie.ToString(), String(u"Hydro-Québec €"));
    EXPECT_EQ(i.Compagnie.Length(), 14);
    EXPECT_EQ(i.Adresse.ToString(), String(u"?ód?"));
    EXPECT_EQ(i.Commentaires.Length(), 255);
    EXPECT_EQ(i.date, 45000);   // the date part
}

TEST(InformationsRules, UnchangedFieldsGiveTheSameRecord)
{
    TInformations i;
    i.Titre = "Stability review";
    i.Createur = "J. Doe";
    i.date = 44000;
    i.Commentaires = "Usual, flood and seismic cases";
    TInformations after = i;
    ApplyInformations(ReadInformations(i), after);
    EXPECT_EQ(after.Titre, i.Titre);
    EXPECT_EQ(after.Createur, i.Createur);
    EXPECT_EQ(after.Commentaires, i.Commentaires);
    EXPECT_EQ(after.date, i.date);
}
