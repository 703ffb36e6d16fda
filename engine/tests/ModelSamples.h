#pragma once
// Models the engine tests share.
#include <map>
#include <string>

#include "engine/Fichier.h"
#include "engine/Unites.h"

// The model of a new file, on a fixed date.
inline TParametres DefaultModel()
{
    TParametres m;
    SetDefaultParameters(m, [] { return 46366.0; });
    return m;
}

// A metric model with a value in every field the unit conversion touches, two lift joints,
// two materials, two masses, two forces and a user-defined density.
inline TParametres RichModel()
{
    TParametres m = DefaultModel();
    m.Infos.Titre = "Barrage \xC3\xA9tude";  // UTF-8 "é", stored as one Windows-1252 byte
    m.Infos.Commentaires = "line one\r\nline two";
    m.Dim = TDimension{60, 5, 50, 10, {100, 95, 110, 105, 130, 140, 160, 98, 94}};
    m.NMasses = m.Masses.count = 2;
    m.Masses.Elem = {{3, 150, 1000, 2000}, {8, 155, 1500, 2500}};
    m.NForces = m.Force.count = 2;
    m.Force.Elem = {{4, 150, 100, -200}, {9, 158, 50, -20}};
    m.Drainage.GalleryElev = 102;
    m.Drainage.MaxElevation = 150;
    m.Drainage.Xdrain = 7;
    m.Reservoir = TReservoir{9.81, 150, 101, 155, 103, 1, 0.5, 145, 0.6, 104, 7, 20, 1440, smActive, true};
    m.PostTension = TPostTension{1200, 2, 800, 60, 120, 40, ptPassive};
    m.CoeffSis.Depth.Limit = 60;
    m.Concrete = TConcrete{30, 27400, 3, 2400};
    m.Foundation = TFoundation{2600, 30000, 250, 35, 27.5, true, 1.2};
    m.NJoints = 2;
    SizeJointArrays(m.Joint, m.JointLoad, 2);
    SizeCracks(m.Cracks, 2);
    m.Joint.Elev[1] = 120;
    m.Joint.Elev[2] = 150;
    m.Joint.Angle[2] = 5;
    m.Joint.mat[1] = 1;
    m.Joint.mat[2] = 1;
    m.Joint.Volume[1] = 12.5;
    m.Cracks.Up[1] = 0.25;
    m.Cracks.Down[2] = 0.125;
    ComputeJointEnds(m);
    m.NJointMaterials = 1;
    m.JointMaterials[1].id = 7;
    m.JointMaterials[1].nom = "Lift joint material";  // longer than 10 bytes: cut
    m.JointMaterials[1].fc = 25000;
    m.JointMaterials[1].ft = 1500;
    m.JointMaterials[1].peak = Tanglec{50, 300, 40, scNonContinue};
    m.JointMaterials[1].residual = Tanglec{40, 10, 20, scContinue};
    m.JointMaterials[1].MinStress = 40;
    m.JointMaterials[1].InUse = true;
    m.JointMaterials[0].InUse = true;
    m.DrainEfficiency.DrainDiameter = 0.15;
    m.DrainEfficiency.DrainSpacing = 3;
    m.DebrisFlottant.Force = 40;
    m.DebrisFlottant.Elev = 1.5;
    m.DebrisFlottant.MaxElev = 2.5;
    for (int loading = 1; loading <= 7; ++loading) {
        m.IncrementLoad.StartValue[loading] = 10 * loading + 1;
        m.IncrementLoad.EndValue[loading] = 10 * loading + 2;
        m.IncrementLoad.IncrementValue[loading] = 10 * loading + 3;
    }
    const Word quantities[] = {1, 2, 3, 6, 7, 8, 9, 11, 12, 13, 5};
    for (int i = 1; i <= 11; ++i) {
        m.Statistiques.NumeroParametre[i] = quantities[i - 1];
        m.Statistiques.Moyenne[i] = 100 + i;
        m.Statistiques.Deviation[i] = 10 + i;
        m.Statistiques.Maximum[i] = 200 + i;
        m.Statistiques.Minimum[i] = 50 + i;
    }
    m.Statistiques.Distribution[4] = 3;
    m.UserDefinedPDF.number[4] = 3;
    m.UserDefinedPDF.elem[4] = {0.2, 0.5, 0.3};
    m.Statistiques.FichierInput = "entr\xC3\xA9" "e.in";
    m.Cracking.UpliftState[3] = 0;
    m.ChopraCombination = ccAbs;
    m.SFComputations = sfShearFriction;
    m.Donnees = {daGeometry, daMasses, daMaterials, daLiftjoints, daForces, daFloatingDebris};
    m.Geometry.Up = {{0, 100}, {5, 130}};
    m.Geometry.Down = {{60, 95}, {15, 160}};
    m.Geometry.RockUp = 98;
    m.Geometry.RockDown = 94;
    return m;
}

// Every stored field of a model as path -> value text.
inline std::map<std::string, std::string> FieldsOf(const TParametres& m)
{
    std::map<std::string, std::string> fields;
    ListModelFields(m, [&](const std::string& path, const std::string& value) { fields[path] = value; });
    return fields;
}
