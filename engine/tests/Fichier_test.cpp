#include "engine/Fichier.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include <gtest/gtest.h>

#include "engine/tests/ModelSamples.h"
#include "numerics/VEZ_vector.h"

namespace fs = std::filesystem;

namespace {

// ---- The file layout, written out independently of the writer ---------------------------------

// Sizes of the groups of a ".dam" file.
constexpr size_t HeadSize = 8, CountsSize = 16, InfosSize = 752, DimSize = 104, MassSize = 32,
                 AccSize = 56, CoeffSisSize = 32, ChopraSize = 184, ConcreteSize = 32,
                 FoundationSize = 56, DrainageSize = 72, ChargesSize = 20, PostTensionSize = 56,
                 JointSize = 68, MaterialSize = 90, OlderMaterialSize = 72, ReservoirSize = 112,
                 ForceSize = 32, CrackingSize = 160, LoadCombinationSize = 2136, CombinationSize = 384,
                 SafetySize = 240, CracksSize = 16, DrainEfficiencySize = 18, StatisticsSize = 1568,
                 DebrisSize = 80, IncrementSize = 456;

// Where each group starts in a current file with the given counts.
struct TOffsets {
    size_t unites, infos, gravity, dim, masses, acc, coeffSis, chopra, concrete, foundation,
        upliftCode, drainage, charges, postTension, donnees, joints, materials, reservoir, forces,
        cracking, loadCombination, combination, safety, chopraCombination, cracks, drainEfficiency,
        statistics, densities, debris, increment, end;
};

TOffsets OffsetsFor(int nJoints, int nMaterials, int nMasses, int nForces, size_t densityBytes)
{
    TOffsets o{};
    o.unites = HeadSize + CountsSize;
    o.infos = o.unites + 2;
    o.gravity = o.infos + InfosSize;
    o.dim = o.gravity + 8;
    o.masses = o.dim + DimSize;
    o.acc = o.masses + MassSize * nMasses;
    o.coeffSis = o.acc + AccSize;
    o.chopra = o.coeffSis + CoeffSisSize;
    o.concrete = o.chopra + ChopraSize;
    o.foundation = o.concrete + ConcreteSize;
    o.upliftCode = o.foundation + FoundationSize;
    o.drainage = o.upliftCode + 3;
    o.charges = o.drainage + DrainageSize;
    o.postTension = o.charges + ChargesSize;
    o.donnees = o.postTension + PostTensionSize;
    o.joints = o.donnees + 4;
    o.materials = o.joints + JointSize * (nJoints + 1);
    o.reservoir = o.materials + MaterialSize * (nMaterials + 1);
    o.forces = o.reservoir + ReservoirSize;
    o.cracking = o.forces + ForceSize * nForces;
    o.loadCombination = o.cracking + CrackingSize;
    o.combination = o.loadCombination + LoadCombinationSize;
    o.safety = o.combination + CombinationSize;
    o.chopraCombination = o.safety + SafetySize;
    o.cracks = o.chopraCombination + 2;
    o.drainEfficiency = o.cracks + CracksSize * (nJoints + 1);
    o.statistics = o.drainEfficiency + DrainEfficiencySize;
    o.densities = o.statistics + StatisticsSize;
    o.debris = o.densities + densityBytes;
    o.increment = o.debris + DebrisSize;
    o.end = o.increment + IncrementSize;
    return o;
}

// The rich sample: 2 lift joints, materials 0..1, 2 masses, 2 forces, one density of 3 values.
const TOffsets Rich = OffsetsFor(2, 1, 2, 2, 4 + 3 * 8);

// Little-endian bytes appended field by field.
struct TImage {
    std::vector<Byte> bytes;
    void U8(int v) { bytes.push_back(static_cast<Byte>(v)); }
    void U16(int v)
    {
        U8(v & 0xFF);
        U8((v >> 8) & 0xFF);
    }
    void I32(Integer v)
    {
        for (int i = 0; i < 4; ++i) U8((static_cast<Cardinal>(v) >> (8 * i)) & 0xFF);
    }
    void F64(double v)
    {
        UInt64 bits;
        std::memcpy(&bits, &v, 8);
        for (int i = 0; i < 8; ++i) U8(static_cast<int>((bits >> (8 * i)) & 0xFF));
    }
    void F64s(std::initializer_list<double> values)
    {
        for (double v : values) F64(v);
    }
    void Zeros(size_t n) { bytes.insert(bytes.end(), n, 0); }
    void Str(size_t n, const std::string& text)
    {
        U8(static_cast<int>(text.size()));
        bytes.insert(bytes.end(), text.begin(), text.end());
        Zeros(n - text.size());
    }
};

void Poke32(std::vector<Byte>& bytes, size_t offset, Integer v)
{
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<Byte>(static_cast<Cardinal>(v) >> (8 * i));
}

void Poke64(std::vector<Byte>& bytes, size_t offset, double v)
{
    std::memcpy(bytes.data() + offset, &v, 8);
}

double Peek64(const std::vector<Byte>& bytes, size_t offset)
{
    double v;
    std::memcpy(&v, bytes.data() + offset, 8);
    return v;
}

std::vector<Byte> ImageOf(TParametres model)
{
    std::vector<Byte> bytes;
    EcritureFichier(bytes, model);
    return bytes;
}

// ---- Fixture: a folder of its own and a headless host --------------------------------------------

class ModelFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        FDir = fs::temp_directory_path() / ("engmodel-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(FDir);
        fs::create_directories(FDir);
        Host.Model = DefaultModel();
        Host.Model.Infos.Titre = "Current model";
        Host.Model.ModelGeometry = mgSpillway;
    }
    void TearDown() override { fs::remove_all(FDir); }

    String PathTo(const std::string& name) const { return String((FDir / name).string()); }

    String WriteBytes(const std::string& name, const std::vector<Byte>& bytes) const
    {
        std::ofstream out(FDir / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return PathTo(name);
    }

    // Reads the bytes as a file; true when the host's model was replaced.
    bool Read(const std::vector<Byte>& bytes)
    {
        Host.Warnings.clear();
        LectureFichier1_0(Host, WriteBytes("in.dam", bytes));
        return Host.ProceedFlag();
    }

    // Expects the file to be refused with the message, the current model untouched.
    void ExpectRefused(const std::vector<Byte>& bytes, const char* message, const std::string& what)
    {
        const std::vector<Byte> before = ImageOf(Host.Model);
        const DynArray<double> elevations = Host.Model.Joint.Elev;
        EXPECT_FALSE(Read(bytes)) << what;
        ASSERT_EQ(Host.Warnings.size(), 1u) << what;
        EXPECT_EQ(Host.Warnings[0], message) << what;
        EXPECT_EQ(ImageOf(Host.Model), before) << what;
        EXPECT_TRUE(Host.Model.Joint.Elev.SharesWith(elevations)) << what;
    }

    fs::path FDir;
    TDamFileHostHeadless Host;
};

// ---- Writing and reading back ----------------------------------------------------------------------

TEST_F(ModelFile, DefaultModelRoundTripIsByteIdentical)
{
    TParametres model = DefaultModel();
    const std::vector<Byte> first = ImageOf(model);
    EXPECT_EQ(first.size(), OffsetsFor(0, 0, 0, 0, 0).end);
    const std::vector<Byte> head{2, 0, 0, 0, 9, 0, 1, 0};
    EXPECT_TRUE(std::equal(head.begin(), head.end(), first.begin()));

    ASSERT_TRUE(SaveModelFile(PathTo("new.dam"), model));
    LectureFichier1_0(Host, PathTo("new.dam"));
    ASSERT_TRUE(Host.ProceedFlag());
    EXPECT_TRUE(Host.Warnings.empty());
    EXPECT_EQ(ImageOf(Host.Model), first);
}

TEST_F(ModelFile, RichModelRoundTrip)
{
    const TParametres model = RichModel();
    const std::vector<Byte> first = ImageOf(model);
    ASSERT_EQ(first.size(), Rich.end);
    EXPECT_EQ(Peek64(first, Rich.gravity), 9.81);
    EXPECT_EQ(Peek64(first, Rich.dim + 32), 100);           // Dim.Elev.A
    EXPECT_EQ(Peek64(first, Rich.joints + JointSize), 120);  // Joint.Elev[1]
    EXPECT_EQ(first[Rich.infos + 1 + 8], 0xE9);              // "é" in Windows-1252
    EXPECT_EQ(first[Rich.materials + MaterialSize + 4], 10);  // the name cut to 10 bytes

    ASSERT_TRUE(Read(first));
    const TParametres& read = Host.Model;
    EXPECT_EQ(ImageOf(read), first);
    EXPECT_EQ(FieldsOf(read), FieldsOf(model));
    EXPECT_EQ(read.Infos.Titre.ToString(), model.Infos.Titre.ToString());
    EXPECT_EQ(read.JointMaterials[1].nom.ToString(), "Lift joint");
    EXPECT_EQ(read.Masses.count, 2);
    EXPECT_EQ(read.Force.count, 2);
    EXPECT_EQ(read.UserDefinedPDF.elem[4].Length(), 3);
    EXPECT_EQ(read.DrainEfficiency.Joint.Length(), 3);
    EXPECT_EQ(read.JointLoad.Wv.Length(), 3);
    EXPECT_EQ(read.Joint.CrackLength.Up[7].Length(), 3);
}

TEST_F(ModelFile, ListingNamesEveryFieldOnce)
{
    std::vector<std::string> lines;
    ListModelFields(RichModel(), [&](const std::string& path, const std::string& value) {
        lines.push_back(path + " = " + value);
    });
    auto has = [&](const std::string& line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
    EXPECT_TRUE(has("Dim.Elev.A = 100"));
    EXPECT_TRUE(has("Joint.Elev[1] = 120"));
    EXPECT_TRUE(has("JointMaterials[1].nom = \"Lift joint\""));
    EXPECT_TRUE(has("Infos.Commentaires = \"line one\\x0D\\x0Aline two\""));
    EXPECT_TRUE(has("Drainage.effectiveness = 0.6666666666666666"));
    EXPECT_TRUE(has("UserDefinedPDF.elem[4][2] = 0.3"));
    EXPECT_TRUE(has("Reservoir.VertAccOnReservoir = true"));
    EXPECT_TRUE(has("Donnees = [daGeometry,daMasses,daMaterials,daLiftjoints,daForces,daFloatingDebris]"));
    EXPECT_EQ(lines.front(), "NJoints = 2");
    EXPECT_EQ(lines.back(), "IncrementLoad.FichierOutput = \"Incremental.out\"");
    EXPECT_EQ(FieldsOf(RichModel()).size(), lines.size());
}

TEST_F(ModelFile, ChangedFlagNeverStoredAnalysedNeverRead)
{
    TParametres model = RichModel();
    model.Donnees.Include(daChanged);
    model.Donnees.Include(daAnalysed);
    std::vector<Byte> bytes = ImageOf(model);  // the writer works on its own copy here
    std::vector<Byte> direct;
    EcritureFichier(direct, model);
    EXPECT_FALSE(model.Donnees.Contains(daChanged));  // cleared in the model itself
    EXPECT_EQ(bytes[Rich.donnees] & 1, 0);
    EXPECT_NE(bytes[Rich.donnees + 2] & 0x04, 0);  // daAnalysed, bit 18, is written

    Poke32(bytes, Rich.donnees, (1 << daChanged) | (1 << daAnalysed) | (1 << daIce) | (1 << 25));
    ASSERT_TRUE(Read(bytes));
    EXPECT_TRUE(Host.Model.Donnees == TDataSet{daIce});
}

TEST_F(ModelFile, ReadingKeepsWhatTheFileDoesNotHold)
{
    Host.Model.Geometry.nUp = 3;
    TVectorRef pdf = std::make_shared<TVector>(nullptr);
    Host.Model.StatPDF[2] = pdf;
    const TVectorRef oldHistogram = Host.Model.StatResult.histogramme[1];
    ASSERT_TRUE(Read(ImageOf(RichModel())));
    EXPECT_EQ(Host.Model.ModelGeometry, mgSpillway);
    EXPECT_EQ(Host.Model.Geometry.nUp, 3);
    EXPECT_EQ(Host.Model.StatPDF[2], pdf);
    EXPECT_NE(Host.Model.StatResult.histogramme[1], oldHistogram);  // always new defaults
    EXPECT_EQ(Host.Model.FileVersion.Number(), 2000901);
}

TEST_F(ModelFile, BaseJointIsRebuiltFromTheSection)
{
    std::vector<Byte> bytes = ImageOf(RichModel());
    // Spoil the stored base joint: every value of it is recomputed.
    for (size_t i = 0; i < JointSize - 4; ++i) bytes[Rich.joints + i] = 0x11;
    ASSERT_TRUE(Read(bytes));
    const TJoint& j = Host.Model.Joint;
    EXPECT_EQ(j.Elev[0], 100);
    EXPECT_EQ(j.x1[0], 0);
    EXPECT_EQ(j.y1[0], 100);
    EXPECT_EQ(j.x2[0], 60);
    EXPECT_EQ(j.y2[0], 95);
    EXPECT_DOUBLE_EQ(j.Length[0], std::sqrt(3625.0));
    EXPECT_DOUBLE_EQ(j.Angle[0], std::atan(-5.0 / 60) * 180 / M_PI);
}

// ---- Files of older versions -----------------------------------------------------------------------

// A file of the given version as that version wrote it: one lift joint, materials 0 and 1,
// one mass, one force, imperial units.
std::vector<Byte> OlderFile(const TProgramVersion& version)
{
    const Int64 v = version.Number();
    const bool olderMaterials = version.Major == 1 && version.Minor <= 4 && version.Release <= 2;
    TImage f;
    f.U16(version.Major);
    f.U16(version.Minor);
    f.U16(version.Release);
    f.U16(version.Build);
    for (int count = 0; count < 4; ++count) f.I32(1);
    f.U8(US);
    f.U8(dmTechnical);
    f.Str(80, "Old dam");
    for (int i = 0; i < 5; ++i) f.Str(80, "");
    f.Zeros(2);
    f.F64(36000);
    f.Str(255, "");
    f.F64(32.2);
    f.F64s({200.0, 20, 150, 30, 300, 280, 310, 330, 360, 300, 295});  // L1..Elev.G
    f.F64(299);
    f.F64(294);
    f.F64s({10.0, 320, 5, 6});  // the mass
    f.I32(1000);
    f.Zeros(4);
    for (int i = 1; i <= 6; ++i) f.F64(i / 10.0);
    f.Zeros(CoeffSisSize + ChopraSize);
    f.F64s({4000.0, 4e6, 400, 150});  // concrete
    f.Zeros(FoundationSize);
    f.U8(cFERC);
    f.U8(ulInternal);
    f.U8(1);
    f.Zeros(DrainageSize + ChargesSize + PostTensionSize);
    f.I32((1 << daGeometry) | (1 << daAnalysed));
    for (int j = 0; j < 2; ++j) {
        f.F64s({300.0 + 20 * j, 1, 2, 3, 4, 0, 5, 6});
        f.I32(j);
    }
    for (int i = 0; i < 2; ++i) {
        f.I32(i);
        f.Str(10, i == 0 ? "Base joint" : "Lift");
        f.F64s({3000.0, 100, 55, 2, 45, 1, 0.5 + i});  // ... MinStress
        f.U8(1);
        if (!olderMaterials) {
            f.F64(0.25);
            f.F64(0.75);
            f.U8(scContinue);
            f.U8(scNonContinue);
        }
    }
    f.Zeros(ReservoirSize);
    f.F64s({15.0, 340, 7, -8});  // the force
    f.Zeros(CrackingSize + LoadCombinationSize + CombinationSize + SafetySize);
    f.U8(ccAbs);
    if (v >= 1010000) f.U8(sfShearFriction);
    if (v >= 1020000)
        f.F64s({0.0, 0.0, 0.3, 0.1});
    if (v >= 1030000) {
        f.U8(1);
        f.U8(0);
        f.F64(0.5);
        f.F64(7);
    }
    if (v > 1999999) {
        TImage s;
        s.Zeros(500);
        s.I32(777);  // NombreAnalyses
        s.Zeros(StatisticsSize - 504);
        f.bytes.insert(f.bytes.end(), s.bytes.begin(), s.bytes.end());
        f.F64(12);  // debris force
        f.Zeros(DebrisSize - 8);
    }
    if ((version.Major == 1 && version.Minor == 4 && version.Release > 1) || version.Major > 1 || version.Minor > 4) {
        f.U8(1);
        f.Zeros(3);
        f.I32(4);  // Loading
        f.Zeros(192);
        f.Str(255, "old.out");
    }
    return f.bytes;
}

struct TOlderVersion {
    TProgramVersion version;
    bool olderMaterials, sfComputations, cracks, drainEfficiency, statistics, increment;
};

TEST_F(ModelFile, OlderVersionsPassThroughEveryGate)
{
    const TOlderVersion versions[] = {
        {{1, 0, 0, 0}, true, false, false, false, false, false},
        {{1, 1, 0, 0}, true, true, false, false, false, false},
        {{1, 2, 0, 0}, true, true, true, false, false, false},
        {{1, 2, 5, 0}, false, true, true, false, false, false},
        {{1, 3, 5, 0}, false, true, true, true, false, false},
        {{1, 4, 1, 0}, true, true, true, true, false, false},
        {{1, 4, 2, 0}, true, true, true, true, false, true},
        {{1, 5, 0, 0}, false, true, true, true, false, true},
        {{2, 0, 9, 1}, false, true, true, true, true, true},
    };
    for (const auto& row : versions) {
        const TProgramVersion& ver = row.version;
        const std::string name = std::to_string(ver.Major) + "." + std::to_string(ver.Minor) + "." +
                                 std::to_string(ver.Release) + "." + std::to_string(ver.Build);
        ASSERT_TRUE(Read(OlderFile(ver))) << name;
        EXPECT_TRUE(Host.Warnings.empty()) << name;
        const TParametres& m = Host.Model;
        EXPECT_EQ(m.FileVersion.Number(), 2000901) << name;
        EXPECT_EQ(m.unites, US) << name;
        EXPECT_EQ(m.Infos.Titre.ToString(), "Old dam") << name;
        EXPECT_EQ(m.gravity, 32.2) << name;
        EXPECT_EQ(m.Dim.Elev.Fdown, 294) << name;
        EXPECT_EQ(m.Masses.Elem[0].Elev, 320) << name;
        EXPECT_EQ(m.Acc.Sust.spectral, 0.6) << name;
        EXPECT_EQ(m.Concrete.mass, 150) << name;
        EXPECT_EQ(m.UpliftLoad, ulInternal) << name;
        EXPECT_TRUE(m.Drain) << name;
        EXPECT_TRUE(m.Donnees == TDataSet{daGeometry}) << name;
        EXPECT_EQ(m.Joint.Elev[1], 320) << name;
        EXPECT_EQ(m.Joint.Length[1], 5) << name;
        EXPECT_EQ(m.Joint.mat[1], 1) << name;
        EXPECT_EQ(m.Joint.Elev[0], 300) << name;  // rebuilt from Dim
        EXPECT_EQ(m.Joint.x2[0], 200) << name;
        EXPECT_EQ(m.Force.Elem[0].VertForce, -8) << name;
        EXPECT_EQ(m.ChopraCombination, ccAbs) << name;

        const TProprietes& lift = m.JointMaterials[1];
        EXPECT_EQ(lift.nom.ToString(), "Lift") << name;
        EXPECT_EQ(lift.MinStress, 1.5) << name;
        EXPECT_EQ(lift.peak.MinStress, row.olderMaterials ? 1.5 : 0.25) << name;
        EXPECT_EQ(lift.residual.MinStress, row.olderMaterials ? 0 : 0.75) << name;
        EXPECT_EQ(lift.peak.ShearCurve, row.olderMaterials ? scNonContinue : scContinue) << name;
        EXPECT_EQ(lift.residual.ShearCurve, scNonContinue) << name;
        EXPECT_TRUE(lift.InUse) << name;

        EXPECT_EQ(m.SFComputations, row.sfComputations ? sfShearFriction : sfLimitEquilibrium) << name;
        EXPECT_EQ(m.Cracks.Up[1], row.cracks ? 0.3 : 0) << name;
        EXPECT_EQ(m.Cracks.Down[1], row.cracks ? 0.1 : 0) << name;
        const TDrainEfficiency& d = m.DrainEfficiency;
        EXPECT_EQ(d.Activated, row.drainEfficiency) << name;
        EXPECT_EQ(d.AlphaIsOne, !row.drainEfficiency) << name;
        EXPECT_DOUBLE_EQ(d.DrainDiameter, row.drainEfficiency ? 0.5 : 0.1 / 0.3048) << name;
        EXPECT_DOUBLE_EQ(d.DrainSpacing, row.drainEfficiency ? 7 : 2 / 0.3048) << name;
        EXPECT_EQ(d.Joint.Length(), 2) << name;

        EXPECT_EQ(m.Statistiques.NombreAnalyses, row.statistics ? 777 : 50000) << name;
        EXPECT_EQ(m.Statistiques.FichierInput.ToString(), row.statistics ? "" : "Statistic.in") << name;
        EXPECT_EQ(m.DebrisFlottant.Force, row.statistics ? 12 : 0) << name;
        EXPECT_EQ(m.DebrisFlottant.MaxElev, row.statistics ? 0 : 2) << name;
        EXPECT_EQ(m.IncrementLoad.Loading, row.increment ? 4 : 1) << name;
        EXPECT_EQ(m.IncrementLoad.PerformAnalysis, row.increment) << name;
        EXPECT_EQ(m.IncrementLoad.FichierOutput.ToString(), row.increment ? "old.out" : "Incremental.out")
            << name;
        EXPECT_EQ(m.StatResult.histogramme[22]->NrOfElem(), 1) << name;
    }
}

TEST_F(ModelFile, VersionBelowOneIsRefused)
{
    std::vector<Byte> bytes = ImageOf(RichModel());
    const std::vector<Byte> head{0, 0, 99, 0, 99, 0, 99, 0};  // 0.99.99.99
    std::copy(head.begin(), head.end(), bytes.begin());
    ExpectRefused(bytes, "Dorva is unable to load the file", "0.99.99.99");
}

// ---- Bad files ------------------------------------------------------------------------------------------

TEST_F(ModelFile, EmptyAndTruncatedFilesAreWrongFormat)
{
    const std::vector<Byte> whole = ImageOf(RichModel());
    // Every length in the head and the counts, a sample of the rest, and one byte before,
    // at and after the start of every group.
    std::vector<size_t> lengths;
    for (size_t length = 0; length < whole.size(); length += length < 64 ? 1 : 13) lengths.push_back(length);
    const TOffsets& o = Rich;
    for (size_t start : {o.unites, o.infos, o.gravity, o.dim, o.masses, o.acc, o.coeffSis, o.chopra,
                         o.concrete, o.foundation, o.upliftCode, o.drainage, o.charges, o.postTension,
                         o.donnees, o.joints, o.materials, o.reservoir, o.forces, o.cracking,
                         o.loadCombination, o.combination, o.safety, o.chopraCombination, o.cracks,
                         o.drainEfficiency, o.statistics, o.densities, o.debris, o.increment, o.end})
        for (size_t length : {start - 1, start, start + 1})
            if (length < whole.size()) lengths.push_back(length);
    for (size_t length : lengths)
        ExpectRefused(std::vector<Byte>(whole.begin(), whole.begin() + static_cast<long>(length)),
                      "Wrong file format!", "first " + std::to_string(length) + " bytes");
}

TEST_F(ModelFile, RandomBytesAreRefused)
{
    std::mt19937 random(20261210);
    for (int round = 0; round < 200; ++round) {
        std::vector<Byte> bytes(random() % 20000);
        for (Byte& b : bytes) b = static_cast<Byte>(random());
        if (round % 2 == 0 && bytes.size() >= 8) {  // half of them with a current head
            const Byte head[] = {2, 0, 0, 0, 9, 0, 1, 0};
            std::copy(head, head + 8, bytes.begin());
        }
        bool oldHead = false;
        if (bytes.size() >= 8) {
            Int64 v = (bytes[0] | bytes[1] << 8) * Int64{1000000} + (bytes[2] | bytes[3] << 8) * 10000 +
                      (bytes[4] | bytes[5] << 8) * 100 + (bytes[6] | bytes[7] << 8);
            oldHead = v < 1000000;
        }
        ExpectRefused(bytes, oldHead ? "Dorva is unable to load the file" : "Wrong file format!",
                      "round " + std::to_string(round));
    }
}

TEST_F(ModelFile, CountsOutOfBoundsAreWrongFormat)
{
    struct TCount {
        const char* what;
        size_t offset;
        Integer value;
    };
    const TCount counts[] = {
        {"NJoints -1", 8, -1},
        {"NJoints above the bound", 8, MaxFileJoints + 1},
        {"NJoints huge", 8, INT_MAX},
        {"NJoints more than the file holds", 8, 500},
        {"NJointMaterials -1", 12, -1},
        {"NJointMaterials above the bound", 12, MaxFileJointMaterials + 1},
        {"NMasses -1", 16, -1},
        {"NMasses above the bound", 16, MaxFileMasses + 1},
        {"NMasses more than the file holds", 16, 1000},
        {"NForces -1", 20, -1},
        {"NForces more than the file holds", 20, 5000},
        {"density count -1", Rich.densities, -1},
        {"density count above the bound", Rich.densities, MaxFileDensityValues + 1},
        {"density count more than the file holds", Rich.densities, 5000},
        {"ChopraC.tranches -1", Rich.chopra + 144, -1},
        {"ChopraC.tranches above the bound", Rich.chopra + 144, MaxFileDivisions + 1},
        {"ChopraC.tranches huge", Rich.chopra + 144, INT_MAX},
        {"NombreAnalyses -1", Rich.statistics + 500, -1},
        {"NombreAnalyses above the bound", Rich.statistics + 500, MaxFileSimulations + 1},
        {"NombreAnalyses 2^31 - 1", Rich.statistics + 500, INT_MAX},
    };
    const std::vector<Byte> good = ImageOf(RichModel());
    for (const auto& c : counts) {
        std::vector<Byte> bytes = good;
        Poke32(bytes, c.offset, c.value);
        ExpectRefused(bytes, "Wrong file format!", c.what);
    }
}

TEST_F(ModelFile, DivisionsAndFrictionAnglesAtTheirBoundsAreRead)
{
    const std::vector<Byte> good = ImageOf(RichModel());
    for (Integer divisions : {0, 11, 301, MaxFileDivisions}) {
        std::vector<Byte> bytes = good;
        Poke32(bytes, Rich.chopra + 144, divisions);
        ASSERT_TRUE(Read(bytes)) << divisions;
        EXPECT_EQ(Host.Model.ChopraC.tranches, divisions);
    }
    for (Integer simulations : {0, 1000, MaxFileSimulations}) {
        std::vector<Byte> bytes = good;
        Poke32(bytes, Rich.statistics + 500, simulations);
        ASSERT_TRUE(Read(bytes)) << simulations;
        EXPECT_EQ(Host.Model.Statistiques.NombreAnalyses, simulations);
    }
    for (double angle : {0.0, 0.001, 89.999}) {
        std::vector<Byte> bytes = good;
        Poke64(bytes, Rich.reservoir + 88, angle);
        ASSERT_TRUE(Read(bytes)) << angle;
        EXPECT_EQ(Host.Model.Reservoir.SedAngle, angle);
    }
}

TEST_F(ModelFile, SiltFrictionAngleThatIsNoAngleIsWrongFormat)
{
    const std::vector<Byte> good = ImageOf(RichModel());
    for (double angle : {90.0, 120.0, -0.001, -90.0, double(NAN), double(INFINITY)}) {
        std::vector<Byte> bytes = good;
        Poke64(bytes, Rich.reservoir + 88, angle);
        ExpectRefused(bytes, "Wrong file format!", "SedAngle " + std::to_string(angle));
    }
}

TEST_F(ModelFile, NumbersThatAreNotFiniteAreWrongFormat)
{
    // One floating-point field of every group; the field is checked to be where the row says
    // by reading a finite value there first.
    struct TField {
        const char* what;
        size_t offset;
        double (*value)(const TParametres&);
    };
    const TField fields[] = {
        {"gravity", Rich.gravity, [](const TParametres& m) { return m.gravity; }},
        {"Infos.date", Rich.infos + 488, [](const TParametres& m) { return double(m.Infos.date); }},
        {"Dim.Elev.G", Rich.dim + 80, [](const TParametres& m) { return m.Dim.Elev.G; }},
        {"Masses.Elem[1].VertMass", Rich.masses + MassSize + 24,
         [](const TParametres& m) { return m.Masses.Elem[1].VertMass; }},
        {"Acc.Peak.horizontal", Rich.acc + 8, [](const TParametres& m) { return m.Acc.Peak.horizontal; }},
        {"CoeffSis.Depth.Limit", Rich.coeffSis + 24, [](const TParametres& m) { return m.CoeffSis.Depth.Limit; }},
        {"ChopraC.Alpha", Rich.chopra + 168, [](const TParametres& m) { return m.ChopraC.Alpha; }},
        {"Concrete.ft", Rich.concrete + 16, [](const TParametres& m) { return m.Concrete.ft; }},
        {"Foundation.StrengthFactor", Rich.foundation + 48,
         [](const TParametres& m) { return m.Foundation.StrengthFactor; }},
        {"Drainage.K1", Rich.drainage + 8, [](const TParametres& m) { return m.Drainage.K1; }},
        {"PostTension.Tension", Rich.postTension, [](const TParametres& m) { return m.PostTension.Tension; }},
        {"Joint.x2[1]", Rich.joints + JointSize + 16, [](const TParametres& m) { return m.Joint.x2[1]; }},
        {"JointMaterials[1].peak.c", Rich.materials + MaterialSize + 39,
         [](const TParametres& m) { return m.JointMaterials[1].peak.c; }},
        {"Reservoir.NormalUp", Rich.reservoir + 8, [](const TParametres& m) { return m.Reservoir.NormalUp; }},
        {"Force.Elem[1].HorForce", Rich.forces + ForceSize + 16,
         [](const TParametres& m) { return m.Force.Elem[1].HorForce; }},
        {"Cracking.InitiationSF[1]", Rich.cracking + 8,
         [](const TParametres& m) { return m.Cracking.InitiationSF[1]; }},
        {"LoadCombination.P[1]", Rich.loadCombination, [](const TParametres& m) { return m.LoadCombination.P[1]; }},
        {"Combination.Usual.D", Rich.combination + 8, [](const TParametres& m) { return m.Combination.Usual.D; }},
        {"SafetyFactors.Usual.Peak", Rich.safety, [](const TParametres& m) { return m.SafetyFactors.Usual.Peak; }},
        {"Cracks.Down[2]", Rich.cracks + 2 * CracksSize + 8, [](const TParametres& m) { return m.Cracks.Down[2]; }},
        {"DrainEfficiency.DrainDiameter", Rich.drainEfficiency + 2,
         [](const TParametres& m) { return m.DrainEfficiency.DrainDiameter; }},
        {"Statistiques.Moyenne[1]", Rich.statistics + 40,
         [](const TParametres& m) { return m.Statistiques.Moyenne[1]; }},
        {"Statistiques.FloodIncrease", Rich.statistics + 1560,
         [](const TParametres& m) { return m.Statistiques.FloodIncrease; }},
        {"UserDefinedPDF.elem[4][1]", Rich.densities + 4 + 8,
         [](const TParametres& m) { return m.UserDefinedPDF.elem[4][1]; }},
        {"DebrisFlottant.Force", Rich.debris, [](const TParametres& m) { return m.DebrisFlottant.Force; }},
        {"IncrementLoad.EndValue[7]", Rich.increment + 64 + 48,
         [](const TParametres& m) { return m.IncrementLoad.EndValue[7]; }},
    };
    const std::vector<Byte> good = ImageOf(RichModel());
    for (const TField& f : fields) {
        std::vector<Byte> bytes = good;
        Poke64(bytes, f.offset, 1234.5);
        ASSERT_TRUE(Read(bytes)) << f.what;
        EXPECT_EQ(f.value(Host.Model), 1234.5) << f.what;
        Host.Model = DefaultModel();
        Host.Model.Infos.Titre = "Current model";
        for (double bad : {double(NAN), double(INFINITY), -double(INFINITY)}) {
            bytes = good;
            Poke64(bytes, f.offset, bad);
            ExpectRefused(bytes, "Wrong file format!", std::string(f.what) + " = " + std::to_string(bad));
        }
    }
}

TEST_F(ModelFile, ASectionTooLargeForItsBaseJointIsWrongFormat)
{
    // The base joint runs from (0, A) to (L1, B): its length sqrt(L1^2 + (B - A)^2) must be a number.
    struct TSection {
        double L1, A, B;
        bool read;
    };
    const TSection sections[] = {
        {1e150, 100, 100, true},
        {1e200, 100, 100, false},
        {10, -1e308, 1e308, false},
        {1e-300, 0, 1e-300, true},
    };
    const std::vector<Byte> good = ImageOf(RichModel());
    for (const TSection& c : sections) {
        std::vector<Byte> bytes = good;
        Poke64(bytes, Rich.dim, c.L1);
        Poke64(bytes, Rich.dim + 32, c.A);
        Poke64(bytes, Rich.dim + 40, c.B);
        const std::string what = "L1 " + std::to_string(c.L1) + " A " + std::to_string(c.A);
        if (c.read) {
            ASSERT_TRUE(Read(bytes)) << what;
            EXPECT_TRUE(std::isfinite(Host.Model.Joint.Length[0])) << what;
        } else {
            ExpectRefused(bytes, "Wrong file format!", what);
        }
    }
}

TEST_F(ModelFile, UserDensitiesThatCannotBeDrawnFromAreWrongFormat)
{
    struct TDensity {
        const char* what;
        Integer number;
        DynArray<double> values;
    };
    const TDensity refused[] = {
        {"no values", 0, {}},
        {"all zeros", 3, {0.0, 0.0, 0.0}},
        {"a negative value", 3, {0.2, -0.5, 0.3}},
        {"a single zero", 1, {0.0}},
    };
    for (const TDensity& d : refused) {
        TParametres model = RichModel();
        model.UserDefinedPDF.number[4] = d.number;
        model.UserDefinedPDF.elem[4] = d.values;
        ExpectRefused(ImageOf(model), "Wrong file format!", d.what);
    }
    const TDensity read[] = {
        {"one positive value", 1, {0.7}},
        {"zeros around a peak", 3, {0.0, 1.0, 0.0}},
    };
    for (const TDensity& d : read) {
        TParametres model = RichModel();
        model.UserDefinedPDF.number[4] = d.number;
        model.UserDefinedPDF.elem[4] = d.values;
        ASSERT_TRUE(Read(ImageOf(model))) << d.what;
        EXPECT_EQ(Host.Model.UserDefinedPDF.number[4], d.number) << d.what;
    }
    // A row that does not draw from a user density stores none, whatever it holds.
    TParametres model = RichModel();
    model.Statistiques.Distribution[4] = 1;
    model.UserDefinedPDF.elem[4] = {0.0, 0.0, 0.0};
    EXPECT_TRUE(Read(ImageOf(model)));
}

TEST_F(ModelFile, BytesThatAreNoValueOfTheirTypeAreWrongFormat)
{
    struct TByteCase {
        const char* what;
        size_t offset;
        Byte value;
    };
    const TByteCase cases[] = {
        {"unites", Rich.unites, 2},
        {"DrawMode", Rich.unites + 1, 2},
        {"Titre length", Rich.infos, 81},
        {"CoeffSis.WaterCompressibility", Rich.coeffSis + 8, 2},
        {"CoeffSis.SlopeCorr", Rich.coeffSis + 9, 4},
        {"ChopraC.SlopeCorr", Rich.chopra + 180, 4},
        {"Foundation.ShearStrength", Rich.foundation + 40, 2},
        {"UpliftCode", Rich.upliftCode, 6},
        {"UpliftLoad", Rich.upliftCode + 1, 2},
        {"Drain", Rich.upliftCode + 2, 255},
        {"Drainage.Code", Rich.drainage, 6},
        {"Drainage.CrackOver", Rich.drainage + 64, 4},
        {"Charges.Seisme.Seismic1", Rich.charges + 7, 2},
        {"PostTension.PostTensionType", Rich.postTension + 48, 2},
        {"material name length", Rich.materials + 4, 11},
        {"material InUse", Rich.materials + 71, 2},
        {"material peak.ShearCurve", Rich.materials + 88, 2},
        {"Reservoir.SedModel", Rich.reservoir + 104, 4},
        {"Cracking.UpliftState[1]", Rich.cracking + 144, 3},
        {"Cracking.RootMethod", Rich.cracking + 152, 2},
        {"Cracking.RootAccuracy", Rich.cracking + 153, 3},
        {"LoadCombination.Selected[7]", Rich.loadCombination + 2134, 2},
        {"ChopraCombination", Rich.chopraCombination, 4},
        {"SFComputations", Rich.chopraCombination + 1, 2},
        {"DrainEfficiency.Activated", Rich.drainEfficiency, 2},
        {"Statistiques.Distribution[1]", Rich.statistics + 488, 4},
        {"IncrementLoad.Resultats[10]", Rich.increment + 193, 2},
    };
    const std::vector<Byte> good = ImageOf(RichModel());
    for (const auto& c : cases) {
        std::vector<Byte> bytes = good;
        bytes[c.offset] = c.value;
        ExpectRefused(bytes, "Wrong file format!", c.what);
    }
}

TEST_F(ModelFile, MaterialIndexOutsideTheMaterialsIsWrongFormat)
{
    const std::vector<Byte> good = ImageOf(RichModel());
    for (Integer mat : {-1, 2, 1000}) {
        std::vector<Byte> bytes = good;
        Poke32(bytes, Rich.joints + 2 * JointSize + 64, mat);
        ExpectRefused(bytes, "Wrong file format!", "mat " + std::to_string(mat));
    }
    std::vector<Byte> bytes = good;
    Poke32(bytes, 12, 0);  // joints use material 1, but only material 0 would exist
    ExpectRefused(bytes, "Wrong file format!", "NJointMaterials 0");
}

TEST_F(ModelFile, MissingFileOrFolderIsWrongFormat)
{
    LectureFichier1_0(Host, PathTo("absent.dam"));
    EXPECT_FALSE(Host.ProceedFlag());
    ASSERT_EQ(Host.Warnings.size(), 1u);
    EXPECT_EQ(Host.Warnings[0], "Wrong file format!");
    Host.Warnings.clear();
    LectureFichier1_0(Host, String(FDir.string()));
    EXPECT_FALSE(Host.ProceedFlag());
    ASSERT_EQ(Host.Warnings.size(), 1u);
    EXPECT_EQ(Host.Warnings[0], "Wrong file format!");
}

TEST_F(ModelFile, FilesThatCannotBeModelsAreNotLoaded)
{
    // Far bigger than the largest model the counts allow (a sparse file).
    const String big = WriteBytes("big.dam", ImageOf(RichModel()));
    fs::resize_file(FDir / "big.dam", 64u << 20);
    // A pipe nobody writes to must not block the reader.
    ASSERT_EQ(::mkfifo((FDir / "pipe.dam").c_str(), 0600), 0);
    for (const String& name : {big, PathTo("pipe.dam")}) {
        Host.Warnings.clear();
        LectureFichier1_0(Host, name);
        EXPECT_FALSE(Host.ProceedFlag());
        ASSERT_EQ(Host.Warnings.size(), 1u);
        EXPECT_EQ(Host.Warnings[0], "Wrong file format!");
    }
}

// A host that fails while the model is handed over.
class TFailingHost : public TDamFileHostHeadless {
public:
    TParametres& CurrentModel() override { throw std::runtime_error("no model"); }
};

TEST_F(ModelFile, AnExceptionWhileReadingIsReported)
{
    TFailingHost host;
    LectureFichier1_0(host, WriteBytes("good.dam", ImageOf(RichModel())));
    EXPECT_FALSE(host.ProceedFlag());
    ASSERT_EQ(host.Warnings.size(), 1u);
    EXPECT_EQ(host.Warnings[0], "Invalide file format - Error on open!");
}

// ---- Files already open ----------------------------------------------------------------------------------

TEST_F(ModelFile, AFileOpenInADocumentIsRefused)
{
    const String path = WriteBytes("open.dam", ImageOf(RichModel()));
    fs::create_directories(FDir / "sub");
    fs::create_symlink(FDir / "open.dam", FDir / "link.dam");
    const std::string sameFile[] = {(FDir / "open.dam").string(), (FDir / "sub" / ".." / "open.dam").string(),
                                    (FDir / "link.dam").string()};
    for (const auto& caption : sameFile) {
        Host.Documents = {String("/elsewhere/other.dam"), String(caption)};
        const std::vector<Byte> before = ImageOf(Host.Model);
        Host.Warnings.clear();
        LectureFichier1_0(Host, path);
        EXPECT_FALSE(Host.ProceedFlag()) << caption;
        ASSERT_EQ(Host.Warnings.size(), 1u) << caption;
        EXPECT_EQ(Host.Warnings[0], "file already opened!");
        EXPECT_EQ(ImageOf(Host.Model), before);
    }
    // Linux file names differ by letter case: another file.
    const String upper = WriteBytes("OPEN.dam", ImageOf(RichModel()));
    Host.Documents = {path};
    Host.Warnings.clear();
    LectureFichier1_0(Host, upper);
    EXPECT_TRUE(Host.ProceedFlag());
    EXPECT_TRUE(Host.Warnings.empty());
}

// ---- Saving ---------------------------------------------------------------------------------------------

TEST_F(ModelFile, SavingReplacesTheFileOnlyWhenComplete)
{
    TParametres model = RichModel();
    model.Donnees.Include(daChanged);
    const String path = WriteBytes("model.dam", {1, 2, 3});
    fs::permissions(FDir / "model.dam", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(SaveModelFile(path, model));
    EXPECT_FALSE(model.Donnees.Contains(daChanged));
    std::ifstream in(FDir / "model.dam", std::ios::binary);
    const std::vector<Byte> saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(saved, ImageOf(model));
    EXPECT_EQ(fs::status(FDir / "model.dam").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(FDir), fs::directory_iterator()), 1);  // no leftovers
}

TEST_F(ModelFile, AReadOnlyFileIsNotReplaced)
{
    // The tests may run as the superuser, whom permissions do not stop: the file must be kept
    // by the save itself.
    const std::vector<Byte> old{1, 2, 3};
    for (const fs::perms mode : {fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read,
                                 fs::perms::owner_read, fs::perms::none}) {
        fs::remove_all(FDir);
        fs::create_directories(FDir);
        const String path = WriteBytes("model.dam", old);
        fs::permissions(FDir / "model.dam", mode);
        fs::create_symlink(FDir / "model.dam", FDir / "link.dam");
        for (const String& name : {path, PathTo("link.dam")}) {
            TParametres model = RichModel();
            model.Donnees.Include(daChanged);
            EXPECT_FALSE(SaveModelFile(name, model)) << name;
            EXPECT_TRUE(model.Donnees.Contains(daChanged));
            std::ifstream in(FDir / "model.dam", std::ios::binary);
            const std::vector<Byte> kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            EXPECT_EQ(kept, old) << name;
            EXPECT_EQ(fs::status(FDir / "model.dam").permissions(), mode) << name;
            EXPECT_EQ(std::distance(fs::directory_iterator(FDir), fs::directory_iterator()), 2);  // no leftovers
        }
    }
}

TEST_F(ModelFile, AModelWhoseFileCouldNotBeOpenedAgainIsNotSaved)
{
    // Each with the field the refusal names.
    struct TChange {
        const char* what;
        void (*change)(TParametres&);
        const char* field;
    };
    const TChange changes[] = {
        {"a number that is not a number", [](TParametres& m) { m.Concrete.fc = NAN; }, "Concrete.fc"},
        {"an infinite number", [](TParametres& m) { m.Force.Elem[1].HorForce = -INFINITY; }, "Force.Elem[1].HorForce"},
        {"a section too large", [](TParametres& m) { m.Dim.L1 = 1e200; }, "Dim"},
        {"a silt angle of 90 degrees", [](TParametres& m) { m.Reservoir.SedAngle = 90; }, "Reservoir.SedAngle"},
        {"a user density of zeros", [](TParametres& m) { m.UserDefinedPDF.elem[4] = {0.0, 0.0, 0.0}; },
         "UserDefinedPDF.elem[4]"},
        {"too many simulations", [](TParametres& m) { m.Statistiques.NombreAnalyses = INT_MAX; },
         "Statistiques.NombreAnalyses"},
    };
    for (const TChange& c : changes) {
        const String path = WriteBytes("model.dam", {1, 2, 3});
        TParametres model = RichModel();
        c.change(model);
        model.Donnees.Include(daChanged);
        String field;
        EXPECT_FALSE(SaveModelFile(path, model, &field)) << c.what;
        EXPECT_EQ(field.ToUtf8(), c.field) << c.what;
        EXPECT_TRUE(model.Donnees.Contains(daChanged)) << c.what;
        EXPECT_EQ(fs::file_size(FDir / "model.dam"), 3u) << c.what;
        EXPECT_FALSE(SaveModelFile(PathTo("new.dam"), model)) << c.what;
        EXPECT_FALSE(fs::exists(FDir / "new.dam")) << c.what;
    }
}

TEST_F(ModelFile, AFailedSaveKeepsTheOldFileAndTheChangedFlag)
{
    // A name so long that no temporary file can be made beside it.
    const std::string longName = std::string(250, 'd') + ".dam";
    const String path = WriteBytes(longName, {1, 2, 3});
    TParametres model = RichModel();
    model.Donnees.Include(daChanged);
    EXPECT_FALSE(SaveModelFile(path, model));
    EXPECT_TRUE(model.Donnees.Contains(daChanged));
    EXPECT_EQ(fs::file_size(FDir / longName), 3u);
    EXPECT_EQ(std::distance(fs::directory_iterator(FDir), fs::directory_iterator()), 1);

    EXPECT_FALSE(SaveModelFile(PathTo("no-such-folder/model.dam"), model));
    EXPECT_TRUE(model.Donnees.Contains(daChanged));
}

}  // namespace
