// The readers of files a user may be handed, run on hostile input one file at a time.
//
//   dorvane_fuzz seeds DIR            writes seed files for every reader, made by the program's own
//                                     writers, into DIR/<reader>/
//   dorvane_fuzz run READER FILE...   reads the files in child processes, each file limited to 5 s
//                                     and (outside the sanitizers) the child to 2 GB, and prints one
//                                     line a file: "<status> <peak kB> <ms> <file>", the status
//                                     accepted, refused, crash, hang, report (a sanitizer's) or
//                                     blowup (memory refused)
//
// A reader accepts a file or refuses it with its own error; anything else is a fault.  Whatever a
// reader accepts is drawn or used once, as the program would.
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include <gif_lib.h>
#include <uwmf.h>

#include "analysis/Statistic.h"
#include "chart/VEZ_dizure.h"
#include "engine/Fichier.h"
#include "foundation/StyCont.h"
#include "foundation/StyIniCtrl.h"
#include "graphics/GxGraphics.h"
#include "graphics/GxGraphicsHTMLEngine.h"
#include "graphics/GxGraphicsSVGEngine.h"
#include "graphics/GxGraphicsTypes.h"
#include "graphics/GxJSONReader.h"
#include "graphics/GxPersistence.h"
#include "listcontrols/GxHTML.h"
#include "listcontrols/slstbox.h"
#include "numerics/VEZ_matrix.h"
#include "numerics/VEZ_vector.h"
#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/forms/Forms.h"
#include "platform/graphics/Codecs.h"
#include "platform/graphics/Metafile.h"
#include "platform/rtl/IniFiles.h"
#include "platform/stdctrls/RichEdit.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/Edits.h"
#include "platform/stdctrls/ListBox.h"
#include "platform/testing/Driver.h"
#include "styledcontrols/StyHTMLUnit.h"
#include "tools/SampleModel.h"

namespace {

namespace fs = std::filesystem;

// Exit codes of a child: the reader accepted or refused the file; memory was refused.
constexpr int Accepted = 0, Refused = 10, BlowUp = 11;
constexpr unsigned TimeLimit = 5;                 // seconds
constexpr rlim_t MemoryLimit = rlim_t(2) << 30;   // bytes, outside the sanitizers

std::string ReadBytes(const String& file)
{
    std::ifstream in(file.ToUtf8(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TMemoryStream StreamOf(const String& file)
{
    TMemoryStream m;
    m.LoadFromFile(file);
    m.SetPosition(0);
    return m;
}

String TextOf(const String& file) { return String(ReadBytes(file).c_str()); }

// A 200 x 150 picture to draw on.
struct TSheet {
    TBitmap Bitmap{200, 150};
    TCanvas& Canvas() { return Bitmap.Canvas(); }
};

void Accept(bool accepted)
{
    if (!accepted) throw Exception("refused");
}

void DrawPicture(TGraphic& picture)
{
    TSheet sheet;
    sheet.Canvas().StretchDraw(Rect(0, 0, 200, 150), picture);
    sheet.Canvas().Draw(3, 4, picture);
}

template <class TPictureClass>
void ReadPicture(const String& file)
{
    TMemoryStream m = StreamOf(file);
    TPictureClass picture;
    picture.LoadFromStream(m);
    DrawPicture(picture);
}

void ReadMetafile(const String& file)
{
    TMemoryStream m = StreamOf(file);
    TMetafile picture;
    picture.LoadFromStream(m);
    DrawPicture(picture);
}

void ReadJson(const String& file)
{
    TMemoryStream m = StreamOf(file);
    TGxJSONReader reader(&m);
    reader.SkipValue();
}

void ReadPersistence(const String& file)
{
    TGxGraphicsFill fill(gfkSolid, clWhite, -1, -1, -1);
    TGxPersistence::LoadSettingsFromFile(&fill, file);
    TSheet sheet;
    TGxGraphics g(&sheet.Canvas());
    g.SetFill(&fill);
    g.DrawRoundRectangle(TRectF{10, 10, 190, 140}, 8);
}

void ReadSvg(const String& file)
{
    TGxGraphicsSVGImport svg;
    svg.LoadFromFile(file);
    TSheet sheet;
    svg.Draw(sheet.Canvas(), TRectF{0, 0, 200, 150}, false);
}

void ReadGraphicsHtml(const String& file)
{
    TSheet sheet;
    TGxGraphics g(&sheet.Canvas());
    TGxHTMLResult result;
    DrawGraphicsHTML(g, TextOf(file), TRectF{0, 0, 200, 150}, TGxHTMLOptions{}, result);
}

void ReadListHtml(const String& file)
{
    TSheet sheet;
    THTMLRenderParams params;
    THTMLRenderResult result;
    RenderMiniHTML(sheet.Canvas(), TextOf(file), Rect(0, 0, 200, 150), params, result);
}

void ReadHintHtml(const String& file)
{
    TSheet sheet;
    TStyHTMLRender render;
    render.PrepareText(TextOf(file), 200, true);
    render.DrawText(sheet.Canvas(), Point(0, 0), Rect(0, 0, 200, 150), clBlack);
}

void ReadRtf(const String& file)
{
    TMemoryStream m = StreamOf(file);
    TRichEdit edit(nullptr);
    edit.LoadFromStream(m);
}

void ReadSections(const String& file)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 400);
    auto* list = new TSectionListBox(&form);
    list->SetParent(&form);
    list->SetBounds(10, 10, 200, 300);
    list->LoadFromFile(file);
    TBitmap picture;
    TestGrab(list, picture);
}

void ReadIni(const String& file)
{
    TMemIniFile ini(file);
    TStringList sections, keys;
    ini.ReadSections(sections);
    for (Integer i = 0; i < sections.Count(); ++i) {
        ini.ReadSection(sections[i], keys);
        for (Integer k = 0; k < keys.Count(); ++k) ini.ReadInteger(sections[i], keys[k], 0);
    }
}

void ReadSettings(const String& file)
{
    TStyIniCtrl settings(nullptr);
    settings.SetTarget(itXml);
    settings.SetXmlFile(file);
    TStringList keys;
    settings.ReadSection("Options", keys);
    for (Integer k = 0; k < keys.Count(); ++k) settings.ReadString("Options", keys[k], "");
}

template <class TContainer>
void ReadContainer(const String& file)
{
    TMemoryStream m = StreamOf(file);
    TContainer container(nullptr);
    container.LoadFromFileStream(m);
}

void ReadBlockStream(const String& file)
{
    TMemoryStream m = StreamOf(file);
    TStyStringList container(nullptr);
    container.LoadFromStream(m);
}

void ReadChart(const String& file, bool annotations)
{
    TDIzure chart(nullptr);
    chart.SetBounds(0, 0, 200, 150);
    Accept((annotations ? chart.LoadAnno(file, false) : chart.LoadData(file, false)) >= 0);
    TBitmap bitmap;
    chart.CopyToBitmap(&bitmap, false);
}

void ReadVector(const String& file)
{
    TVector v(nullptr);
    Accept(v.LoadFromFile(file, true, true));
}

void ReadMatrix(const String& file)
{
    TMatrix m(nullptr);
    Accept(m.LoadFromFile(file, true, true));
}

void ReadForm(const String& file)
{
    TFormReader reader(TextOf(file));
    std::unique_ptr<TComponent> root(reader.ReadRootComponent(nullptr));
    if (auto* form = dynamic_cast<TForm*>(root.get())) {
        TBitmap picture;
        TestGrab(form, picture);
    }
}

void ReadDensity(const String& file)
{
    Integer number = 0;
    DynArray<double> values;
    Accept(ReadUserDensityFile(file, number, values).IsEmpty());
}

void ReadDam(const String& file)
{
    TDamFileHostHeadless host;
    LectureFichier1_0(host, file);
    Accept(host.ProceedFlag());
}

struct TFuzzReader {
    const char* Name;
    std::function<void(const String&)> Read;
};

const std::vector<TFuzzReader>& Readers()
{
    static const std::vector<TFuzzReader> readers = {
        {"json", ReadJson},
        {"persistence", ReadPersistence},
        {"svg", ReadSvg},
        {"html-graphics", ReadGraphicsHtml},
        {"html-list", ReadListHtml},
        {"html-hint", ReadHintHtml},
        {"rtf", ReadRtf},
        {"sections", ReadSections},
        {"ini", ReadIni},
        {"settings", ReadSettings},
        {"container-strings", ReadContainer<TStyStringList>},
        {"container-waves", ReadContainer<TStyWaveList>},
        {"block-stream", ReadBlockStream},
        {"chart-data", [](const String& f) { ReadChart(f, false); }},
        {"chart-anno", [](const String& f) { ReadChart(f, true); }},
        {"vector", ReadVector},
        {"matrix", ReadMatrix},
        {"bmp", ReadPicture<TBitmap>},
        {"png", ReadPicture<TPngImage>},
        {"jpeg", ReadPicture<TJPEGImage>},
        {"gif", ReadPicture<TGIFImage>},
        {"wmf", ReadMetafile},
        {"emf", ReadMetafile},
        {"form", ReadForm},
        {"density", ReadDensity},
        {"dam", ReadDam},
    };
    return readers;
}

const TFuzzReader* FindReader(const std::string& name)
{
    for (const TFuzzReader& r : Readers())
        if (name == r.Name) return &r;
    return nullptr;
}

// ---------------------------------------------------------------- one file in a child

bool UnderSanitizers()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#else
    return false;
#endif
}

[[noreturn]] void MemoryRefused() { _exit(BlowUp); }

// One file, with its own error output, its own time limit and its verdict code.
int ReadOne(const TFuzzReader& reader, const char* file)
{
    std::freopen((std::string(file) + ".log").c_str(), "w", stderr);
    alarm(TimeLimit);
    try {
        reader.Read(String(file));
    } catch (const Exception&) {
        return Refused;
    }
    return Accepted;
}

// What went wrong, from the exit of the child and what it wrote on its error output.
const char* Verdict(int status, const std::string& errors)
{
    auto said = [&](const char* text) { return errors.find(text) != std::string::npos; };
    if (said("out of memory") || said("exceeds maximum supported size") || said("RSS limit") ||
        (WIFEXITED(status) && WEXITSTATUS(status) == BlowUp))
        return "blowup";
    if (said("Sanitizer") || said("runtime error:")) return "report";
    if (WIFSIGNALED(status)) return WTERMSIG(status) == SIGALRM ? "hang" : "crash";
    return "crash";
}

long Milliseconds(const timeval& from)
{
    timeval now{};
    gettimeofday(&now, nullptr);
    return (now.tv_sec - from.tv_sec) * 1000 + (now.tv_usec - from.tv_usec) / 1000;
}

// A child reads the files one after the other and tells the parent the verdict of each through a
// pipe; a child that dies does so on the file it had not answered, and the next child goes on
// after it.  The peak memory given is that of the child up to the file.  The error output of a
// file that went wrong is kept beside it, as FILE.log.
void RunFiles(const TFuzzReader& reader, char** files, int count)
{
    if (!UnderSanitizers()) {
        const rlimit limit{MemoryLimit, MemoryLimit};
        setrlimit(RLIMIT_AS, &limit);
    }
    std::set_new_handler(MemoryRefused);
    for (int next = 0; next < count;) {
        int answers[2];
        if (pipe(answers) != 0) return;
        timeval start{};
        gettimeofday(&start, nullptr);
        std::cout.flush();
        const pid_t child = fork();
        if (child == 0) {
            close(answers[0]);
            for (int i = next; i < count; ++i) {
                timeval began{};
                gettimeofday(&began, nullptr);
                const int code = ReadOne(reader, files[i]);
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                const std::string line = std::string(code == Accepted ? "accepted" : "refused") + ' ' +
                                         std::to_string(usage.ru_maxrss) + ' ' + std::to_string(Milliseconds(began)) + '\n';
                if (write(answers[1], line.data(), line.size()) != static_cast<ssize_t>(line.size())) _exit(1);
            }
            _exit(0);
        }
        close(answers[1]);
        FILE* in = fdopen(answers[0], "r");
        char verdict[16];
        long kb = 0, ms = 0;
        while (next < count && std::fscanf(in, "%15s %ld %ld", verdict, &kb, &ms) == 3) {
            fs::remove(std::string(files[next]) + ".log");
            std::cout << verdict << ' ' << kb << ' ' << ms << ' ' << files[next++] << '\n';
            gettimeofday(&start, nullptr);
        }
        std::fclose(in);
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        if (next == count) break;
        const std::string log = std::string(files[next]) + ".log";
        std::cout << Verdict(status, ReadBytes(String(log.c_str()))) << ' ' << usage.ru_maxrss << ' '
                  << Milliseconds(start) << ' ' << files[next++] << '\n';
    }
}

// ---------------------------------------------------------------- seeds

void WriteBytes(const fs::path& file, const std::string& bytes)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

void SaveStream(const fs::path& file, TStream& stream)
{
    fs::create_directories(file.parent_path());
    TMemoryStream copy;
    stream.SetPosition(0);
    copy.CopyFrom(stream, stream.Size());
    copy.SaveToFile(String(file.c_str()));
}

void SampleBitmap(TBitmap& bmp)
{
    bmp.SetPixelFormat(TPixelFormat::pf24bit);
    bmp.SetSize(16, 12);
    bmp.Canvas().Brush().SetColor(clYellow);
    bmp.Canvas().FillRect(Rect(0, 0, 16, 12));
    bmp.Canvas().Pen().SetColor(clNavy);
    bmp.Canvas().Ellipse(2, 2, 14, 10);
}

void SeedPictures(const fs::path& dir)
{
    TBitmap bmp;
    SampleBitmap(bmp);
    for (TPixelFormat format : {TPixelFormat::pf1bit, TPixelFormat::pf8bit, TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
        TBitmap b;
        b.Assign(&bmp);
        b.SetPixelFormat(format);
        TMemoryStream m;
        b.SaveToStream(m);
        SaveStream(dir / "bmp" / ("sample" + std::to_string(int(format)) + ".bmp"), m);
    }
    auto save = [&](TGraphic& g, const char* reader, const char* name) {
        g.Assign(&bmp);
        TMemoryStream m;
        g.SaveToStream(m);
        SaveStream(dir / reader / name, m);
    };
    TPngImage png;
    save(png, "png", "sample.png");
    TJPEGImage jpeg;
    save(jpeg, "jpeg", "sample.jpg");
    jpeg.SetGrayscale(true);
    save(jpeg, "jpeg", "gray.jpg");
    // GIF files are only read here: the library's encoder writes the seed.
    const fs::path gifFile = dir / "gif" / "sample.gif";
    fs::create_directories(gifFile.parent_path());
    int error = 0;
    GifFileType* gif = EGifOpenFileName(gifFile.c_str(), false, &error);
    GifColorType colors[4] = {{255, 0, 0}, {0, 0, 0}, {0, 0, 255}, {0, 255, 0}};
    ColorMapObject* map = GifMakeMapObject(4, colors);
    EGifPutScreenDesc(gif, 4, 3, 2, 0, map);
    GraphicsControlBlock gcb{0, false, 0, 1};
    GifByteType ext[4];
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(EGifGCBToExtension(&gcb, ext)), ext);
    EGifPutImageDesc(gif, 0, 0, 4, 3, true, nullptr);
    for (int y = 0; y < 3; ++y) {
        GifPixelType line[4] = {0, 1, 2, 3};
        EGifPutLine(gif, line, 4);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
}

void SeedMetafiles(const fs::path& dir)
{
    TMetafile emf;
    {
        TMetafileCanvas c(emf);
        c.Pen().SetWidth(3);
        c.Brush().SetColor(clAqua);
        c.Rectangle(2, 2, 60, 40);
        c.Ellipse(10, 10, 90, 70);
        c.Arc(0, 0, 50, 50, 50, 0, 0, 50);
        c.Font().SetHeight(-14);
        c.TextOut(5, 5, "Dam");
        TBitmap bmp;
        SampleBitmap(bmp);
        c.StretchDraw(Rect(20, 20, 52, 44), bmp);
        c.Polyline({{0, 0}, {30, 10}, {60, 0}});
    }
    TMemoryStream m;
    emf.SaveToStream(m);
    SaveStream(dir / "emf" / "scene.emf", m);
    // Windows metafiles are only read here: the library's record writers make the seed.
    std::vector<char*> records = {
        U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC), U_WMRSETWINDOWORG_set(U_POINT16{0, 0}),
        U_WMRSETWINDOWEXT_set(U_POINT16{100, 80}),
        U_WMRCREATEPENINDIRECT_set(U_PEN_set(U_PS_SOLID, 3, colorref_set(0, 0, 0))),
        U_WMRCREATEBRUSHINDIRECT_set(U_WLOGBRUSH_set(U_BS_SOLID, colorref_set(0, 128, 0), 0)),
        U_WMRSELECTOBJECT_set(0), U_WMRSELECTOBJECT_set(1),
        U_WMRRECTANGLE_set(U_RECT16{5, 5, 60, 40}), U_WMRELLIPSE_set(U_RECT16{10, 10, 90, 70}),
        U_WMRARC_set(U_POINT16{50, 0}, U_POINT16{0, 50}, U_RECT16{0, 0, 50, 50}),
    };
    U_FONT* font = U_FONT_set(-20, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, reinterpret_cast<const char*>("Arial"));
    records.push_back(U_WMRCREATEFONTINDIRECT_set(font));
    std::free(font);
    records.push_back(U_WMRSELECTOBJECT_set(2));
    records.push_back(U_WMRTEXTOUT_set(U_POINT16{4, 50}, const_cast<char*>("Dam")));
    const U_POINT16 line[] = {{0, 0}, {30, 10}, {60, 0}};
    records.push_back(U_WMRPOLYLINE_set(3, line));
    records.push_back(U_WMREOF_set());
    char* header = U_WMRHEADER_set(nullptr, 0);
    std::string wmf(header, 18);
    std::free(header);
    for (char* r : records) {
        wmf.append(r, U_wmr_size(reinterpret_cast<U_METARECORD*>(r)));
        std::free(r);
    }
    const uint32_t words = static_cast<uint32_t>(wmf.size() / 2);
    const uint16_t objects = 3;
    std::memcpy(wmf.data() + 6, &words, 4);
    std::memcpy(wmf.data() + 10, &objects, 2);
    WriteBytes(dir / "wmf" / "scene.wmf", wmf);
}

void SeedSettings(const fs::path& dir)
{
    TGxGraphicsFill fill(gfkGradient, 0x336699, 0xFFFFFF, -1, -1);
    const fs::path file = dir / "persistence" / "fill.json";
    fs::create_directories(file.parent_path());
    TGxPersistence::SaveSettingsToFile(&fill, String(file.c_str()));
    fs::create_directories(dir / "json");
    fs::copy_file(file, dir / "json" / "fill.json", fs::copy_options::overwrite_existing);
    WriteBytes(dir / "json" / "values.json", "{\"a\":[1,-2.5e3,true,false,null,\"x\\u00e9\\n\"],\"b\":{\"c\":{}}}");

    const fs::path ini = dir / "ini" / "settings.ini";
    fs::create_directories(ini.parent_path());
    {
        TMemIniFile f(String(ini.c_str()));
        f.WriteString("Units", "System", "SI");
        f.WriteInteger("Window", "Left", 120);
        f.WriteString("Recent", "File1", "/home/engineer/dam.dam");
        f.UpdateFile();
    }
    const fs::path xml = dir / "settings" / "settings.xml";
    fs::create_directories(xml.parent_path());
    {
        TStyIniCtrl settings(nullptr);
        settings.SetTarget(itXml);
        settings.SetXmlFile(String(xml.c_str()));
        settings.WriteString("Options", "Units", "SI");
        settings.WriteInteger("Options", "Decimals", 3);
        settings.Save();
    }
}

void SeedMarkup(const fs::path& dir)
{
    const char* html[] = {
        "<b>Joint</b> 3: <font color=\"#FF0000\" size=\"4\">unstable</font><br><ul><li>sliding<li>overturning</ul>",
        "<p align=center>F<sub>s</sub> = 1.5</p><font style=\"font-size:12pt\" face=\"Arial\">x</font><hr>&amp;&lt;&#955;",
        "<ol><li><a href=\"x\">link</a><li><i>i</i><u>u</u></ol><img src=\"1\" width=10 height=10><font bgcolor=\"#00FF00\">g</font>",
    };
    int n = 0;
    for (const char* reader : {"html-graphics", "html-list", "html-hint"})
        for (const char* text : html) WriteBytes(dir / reader / ("sample" + std::to_string(++n) + ".html"), text);
    WriteBytes(dir / "svg" / "shapes.svg",
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200\" height=\"150\" viewBox=\"0 0 200 150\">"
               "<rect x=\"10\" y=\"10\" width=\"80\" height=\"40\" rx=\"5\" ry=\"5\" fill=\"#369\" stroke=\"black\"/>"
               "<circle cx=\"120\" cy=\"60\" r=\"30\" fill=\"none\" stroke=\"red\" stroke-width=\"3\"/>"
               "<ellipse cx=\"50\" cy=\"100\" rx=\"40\" ry=\"20\"/>"
               "<path d=\"M10 140 C 40 100, 80 100, 110 140 S 170 180 190 140 Q 150 120 130 130 Z\"/>"
               "<polyline points=\"0,0 20,20 40,0\"/><line x1=\"0\" y1=\"150\" x2=\"200\" y2=\"0\"/>"
               "<g transform=\"translate(10,10) scale(2)\"><text x=\"5\" y=\"20\" font-size=\"12\">Dam</text></g></svg>");
    TMemoryStream plain;
    const std::string text = "Joint 1\r\nSliding factor 1.52\r\n";
    plain.WriteBuffer(text.data(), static_cast<Integer>(text.size()));
    plain.SetPosition(0);
    TRichEdit edit(nullptr);
    edit.LoadFromStream(plain);
    TMemoryStream rtf;
    edit.SaveToStream(rtf);
    SaveStream(dir / "rtf" / "plain.rtf", rtf);
    WriteBytes(dir / "rtf" / "styled.rtf",
               "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}{\\colortbl;\\red255\\green0\\blue0;}"
               "\\f0\\fs20 plain \\b bold\\b0 \\i italic\\i0 \\cf1 red\\cf0 \\f1\\fs32 big\\par \\u955? \\'e9\\par}");
}

void SeedLists(const fs::path& dir)
{
    TForm form(nullptr);
    auto* list = new TSectionListBox(&form);
    list->SetParent(&form);
    TListSection* joints = list->Sections().Add();
    joints->SetCaption("Joints");
    joints->SetControlType(scCheckbox);
    for (const char* item : {"<b>Joint 1</b>", "Joint 2", "Joint 3"}) joints->SubItems().Add(item);
    joints->SetSubItemCheckState(1, true);
    TListSection* loads = list->Sections().Add();
    loads->SetCaption("<font size=\"3\">Loads</font>");
    loads->SetControlType(scRadiobutton);
    for (const char* item : {"Uplift", "Ice"}) loads->SubItems().Add(item);
    const fs::path file = dir / "sections" / "list.ini";
    fs::create_directories(file.parent_path());
    list->SaveToFile(String(file.c_str()));
    // Many sections, open and closed, and a caption far wider than the list.
    list->BeginUpdate();
    String wide = "<b>";
    for (Integer i = 0; i < 300; ++i) wide += "Lnt size=\"3\">";
    loads->SetCaption(wide + "</b>");
    for (Integer s = 0; s < 200; ++s) {
        TListSection* section = list->Sections().Add();
        section->SetCaption("Section " + IntToStr(s));
        for (const char* item : {"Joint", "<i>Heel</i>", "Toe\tcrest"}) section->SubItems().Add(item);
        if (s % 3 != 0) section->SetState(lssExpanded);
    }
    list->EndUpdate();
    list->SaveToFile(String((dir / "sections" / "many.ini").c_str()));

    TStyStringList strings(nullptr);
    for (const char* text : {"first", "second item", "third"}) {
        TStyStringListItem* item = strings.GetArrayItem(strings.Add());
        item->Items().Add(text);
    }
    TMemoryStream file1, inStream;
    strings.SaveToFileStream(file1);
    SaveStream(dir / "container-strings" / "strings.sty", file1);
    strings.SetDefaultCompressed(true);
    TMemoryStream file2;
    strings.SaveToFileStream(file2);
    SaveStream(dir / "container-strings" / "compressed.sty", file2);
    strings.SaveToStream(inStream);
    SaveStream(dir / "block-stream" / "strings.blk", inStream);
    TStyWaveList waves(nullptr);
    waves.Add();
    TMemoryStream file3;
    waves.SaveToFileStream(file3);
    SaveStream(dir / "container-waves" / "waves.sty", file3);
}

void SeedNumbers(const fs::path& dir)
{
    fs::create_directories(dir / "vector");
    fs::create_directories(dir / "matrix");
    TVector v(nullptr);
    v.SetNrOfElem(5);
    for (Integer i = 1; i <= 5; ++i) v.SetVal(i, i * 1.5 - 3);
    {
        TFileStream out(String((dir / "vector" / "v.vec").c_str()), fmCreate);
        v.SaveToStream(&out, 0, 0);
    }
    v.StoreOnFile(1, 5, 3, String((dir / "vector" / "v.txt").c_str()));
    TMatrix m(nullptr);
    m.Resize(3, 2);
    for (Integer c = 1; c <= 3; ++c)
        for (Integer r = 1; r <= 2; ++r) m.SetElem(c, r, c * 10 + r);
    {
        TFileStream out(String((dir / "matrix" / "m.mat").c_str()), fmCreate);
        m.SaveToStream(&out, 0, 0, 0, 0);
    }
    m.StoreOnFile(0, 0, 0, 0, String((dir / "matrix" / "m.txt").c_str()));

    TDIzure chart(nullptr);
    chart.MoveTo(1.0, 2.0);
    chart.DrawTo(3.0, 4.0);
    chart.Text(1.0, 1.0, 10, "short");
    chart.Text(2.0, 2.0, 12, "a text of twenty chr");
    chart.Arc(0.0, 0.0, 2.0, 1.0, 0.5, 2.5);
    chart.MarkAt(5, 5, 3);
    fs::create_directories(dir / "chart-data");
    fs::create_directories(dir / "chart-anno");
    chart.SaveData(String((dir / "chart-data" / "data.bin").c_str()));
    chart.SetAnnoMode(true);
    chart.Rectangle(2.0, 2.0, 4.0, 4.0);
    chart.Text(3.0, 3.0, 9, "annotation");
    chart.SaveAnno(String((dir / "chart-anno" / "anno.bin").c_str()));

    std::string density = "12\n";
    for (int v : {0, 1, 2, 4, 6, 7, 7, 6, 4, 2, 1, 0}) density += std::to_string(v) + "\n";
    WriteBytes(dir / "density" / "density.txt", density);

    TParametres model = SampleModel();
    fs::create_directories(dir / "dam");
    SaveModelFile(String((dir / "dam" / "sample.dam").c_str()), model);
}

void SeedForms(const fs::path& dir)
{
    TForm form(nullptr);
    form.SetName("MainForm");
    form.SetCaption("Dam stability");
    form.SetBounds(0, 0, 320, 240);
    auto* button = new TButton(&form);
    button->SetName("Button1");
    button->SetParent(&form);
    button->SetCaption("Analyse");
    auto* edit = new TEdit(&form);
    edit->SetName("Edit1");
    edit->SetParent(&form);
    edit->SetBounds(10, 40, 100, 21);
    auto* list = new TListBox(&form);
    list->SetName("ListBox1");
    list->SetParent(&form);
    list->Items().Add("Joint 1");
    WriteBytes(dir / "form" / "main.txt", WriteComponentText(&form).ToUtf8());
}

void WriteSeeds(const fs::path& dir)
{
    SeedPictures(dir);
    SeedMetafiles(dir);
    SeedSettings(dir);
    SeedMarkup(dir);
    SeedLists(dir);
    SeedNumbers(dir);
    SeedForms(dir);
}

int Usage()
{
    std::cerr << "usage: dorvane_fuzz seeds DIR\n       dorvane_fuzz run READER FILE...\nreaders:";
    for (const TFuzzReader& r : Readers()) std::cerr << ' ' << r.Name;
    std::cerr << '\n';
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) return Usage();
    TestInitialize();
    const std::string command = argv[1];
    if (command == "seeds") {
        WriteSeeds(argv[2]);
        return 0;
    }
    const TFuzzReader* reader = FindReader(argv[2]);
    if (command != "run" || !reader) return Usage();
    RunFiles(*reader, argv + 3, argc - 3);
    return 0;
}
