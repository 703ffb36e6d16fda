// The general-information dialog's rules: the record's texts and date, in and out.
#include "app/InformationsRules.h"

#include <cmath>

TInformationsFields ReadInformations(const TInformations& i)
{
    return {i.Titre, i.Barrage, i.Compagnie, i.Adresse, i.Ingenieur, i.Createur, i.date, i.Commentaires};
}

void ApplyInformations(const TInformationsFields& f, TInformations& i)
{
    i.Titre = f.Titre;
    i.Barrage = f.Barrage;
    i.Compagnie = f.Compagnie;
    i.Adresse = f.Adresse;
    i.Ingenieur = f.Ingenieur;
    i.Createur = f.Createur;
    i.date = std::trunc(f.date);
    i.Commentaires = f.Commentaires;
}
