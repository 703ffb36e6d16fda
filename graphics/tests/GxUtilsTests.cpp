#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <thread>

#include "graphics/GxTypes.h"
#include "graphics/GxUtils.h"
#include "platform/graphics/Clipbrd.h"
#include "platform/graphics/Codecs.h"
#include "platform/graphics/Metafile.h"
#include "platform/rtl/FileSys.h"

namespace {

TMemoryStream StreamOf(const std::string& bytes)
{
    TMemoryStream m;
    if (!bytes.empty()) m.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    m.SetPosition(0);
    return m;
}

std::string BytesOf(const TBytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

// A 4 x 3 picture with one red pixel at (1, 2), as a TGxBitmap holding a bitmap.
void SmallPicture(TPicture& picture)
{
    picture.Bitmap().SetPixelFormat(TPixelFormat::pf24bit);
    picture.Bitmap().SetSize(4, 3);
    picture.Bitmap().Canvas().Brush().SetColor(clWhite);
    picture.Bitmap().Canvas().FillRect(Rect(0, 0, 4, 3));
    picture.Bitmap().Canvas().SetPixel(1, 2, clRed);
}

TEST(GxUtilsSignatures, TableRowsInTheirOrder)
{
    struct Case {
        std::string Head;
        const char* Type;
    } cases[] = {
        {"GIF89a", ".gif"},          {std::string("BM\x10\0", 4), ".bmp"},        {"\x89PNG\r\n", ".png"},
        {std::string("II*\0", 4), ".tiff"}, {std::string("MM\0*", 4), ""},  {std::string("MM*\0", 4), ".tiff"},
        {"\xFF\xD8\xFF\xE0", ".jpg"}, {"\xFF\xD8\xFF\xE1", ".jpg"},   {"\xFF\xD8\xFF\xDB", ".jpg"},
        {"\xFF\xD8\xFF\xEE", ""},    {std::string("\0\0\1\0", 4), ".unknown"},
        {std::string("\0\0\0\0", 4), ".empty"}, {"abcd", ""},       {"GI", ""},
    };
    for (const Case& c : cases) {
        TMemoryStream m = StreamOf(c.Head);
        EXPECT_EQ(TGxUtils::GetImageType(&m, true), String(c.Type)) << c.Type;
    }
    // from the current position, which is kept
    TMemoryStream m = StreamOf(std::string("xxBM\x10\0", 6));
    m.SetPosition(2);
    EXPECT_EQ(TGxUtils::GetImageType(&m, false), ".bmp");
    EXPECT_EQ(m.Position(), 2);
    EXPECT_EQ(TGxUtils::GetImageType(&m, true), "");
    EXPECT_EQ(m.Position(), 2);
}

TEST(GxUtilsSignatures, GraphicClassesByTheFirstBytes)
{
    const std::string emf = [] {
        std::string b(44, '\0');
        b[0] = 1;
        b.replace(40, 4, " EMF");
        return b;
    }();
    struct Case {
        std::string Bytes;
        TClass Class;
    } cases[] = {
        {"BM", TBitmap::StaticClass()},
        {"\xFF\xD8", TJPEGImage::StaticClass()},
        {"\x89PNG\r\n\x1A\n", TPngImage::StaticClass()},
        {"\x89PNG\r\n", nullptr},                    // too short for the PNG signature
        {"GIF8", TGIFImage::StaticClass()},
        {emf, TMetafile::StaticClass()},
        {"\xD7\xCD\xC6\x9A", TMetafile::StaticClass()},
        {std::string("\0\0\1\0", 4), TIcon::StaticClass()},
        {std::string("II*\0", 4), TTIFFImage::StaticClass()},
        {std::string("MM\0*", 4), TTIFFImage::StaticClass()},
        {std::string("MM*\0", 4), nullptr},
        {"xyz", nullptr},
    };
    for (const Case& c : cases) {
        TGraphicClass found = TBitmap::StaticClass();
        EXPECT_EQ(TGxUtils::FindGraphicClass(c.Bytes.data(), static_cast<Int64>(c.Bytes.size()), found), c.Class != nullptr);
        EXPECT_EQ(found, c.Class) << c.Bytes;
    }
    TGraphicClass found = TBitmap::StaticClass();
    EXPECT_FALSE(TGxUtils::FindGraphicClass("BM", 0, found));
    EXPECT_EQ(found, nullptr);
}

TEST(GxUtilsSignatures, ATiffPictureIsLoaded)
{
    // A 2 x 1 uncompressed RGB file: red, blue.
    const String hex =
        "49492A0008000000090000010300010000000200000001010300010000000100000002010300030000007A0000000301"
        "0300010000000100000006010300010000000200000011010400010000008000000015010300010000000300000016010300"
        "010000000100000017010400010000000600000000000000080008000800FF00000000FF";
    std::unique_ptr<TGxBitmap> picture(TGxUtils::CreateBitmapFromHexStr(hex));
    ASSERT_TRUE(dynamic_cast<TTIFFImage*>(picture->Graphic()));
    EXPECT_EQ(TGxUtils::GetImageType(picture.get(), false), ".tiff");
    TBitmap drawn;
    drawn.SetSize(2, 1);
    drawn.Canvas().Draw(0, 0, *picture->Graphic());
    EXPECT_EQ(drawn.Canvas().Pixel(0, 0), clRed);
    EXPECT_EQ(drawn.Canvas().Pixel(1, 0), clBlue);
}

TEST(GxUtilsCodecs, Base64KnownVectorsAndUrlForm)
{
    // the test vectors of RFC 4648
    struct Case {
        const char* Bytes;
        const char* Base64;
        const char* Url;
    } cases[] = {
        {"", "", ""},          {"f", "Zg==", "Zg"},         {"fo", "Zm8=", "Zm8"},
        {"foo", "Zm9v", "Zm9v"}, {"foob", "Zm9vYg==", "Zm9vYg"}, {"fooba", "Zm9vYmE=", "Zm9vYmE"},
        {"foobar", "Zm9vYmFy", "Zm9vYmFy"}, {"\xFB\xFF\xBF", "+/+/", "-_-_"}, {"\xFB\xFF", "+/8=", "-_8"},
    };
    for (const Case& c : cases) {
        TMemoryStream m = StreamOf(c.Bytes);
        m.SetPosition(1 < m.Size() ? 1 : 0);   // encoding starts at the stream's start anyway
        EXPECT_EQ(TGxUtils::SaveStreamToBase64(&m, false), String(c.Base64)) << c.Bytes;
        EXPECT_EQ(m.Position(), m.Size());
        EXPECT_EQ(TGxUtils::SaveStreamToBase64(&m, true), String(c.Url)) << c.Bytes;
        EXPECT_EQ(BytesOf(TGxUtils::Decode64ToBytes(c.Base64, false)), std::string(c.Bytes));
        EXPECT_EQ(BytesOf(TGxUtils::Decode64ToBytes(c.Url, true)), std::string(c.Bytes));
    }
    // line breaks and other characters are skipped; a lone last character gives nothing
    EXPECT_EQ(BytesOf(TGxUtils::Decode64ToBytes("Zm9v\r\nYmFy", false)), "foobar");
    EXPECT_EQ(BytesOf(TGxUtils::Decode64ToBytes("Zm9vY", false)), "foo");
    EXPECT_EQ(BytesOf(TGxUtils::Decode64ToBytes("-_8", false)), "");   // "-" and "_" are no standard Base64
}

TEST(GxUtilsCodecs, HexadecimalBothWays)
{
    TMemoryStream m = StreamOf(std::string("foobar\0\xFF", 8));
    EXPECT_EQ(TGxUtils::SaveStreamToHexStr(&m), "666F6F62617200FF");
    TMemoryStream empty;
    EXPECT_EQ(TGxUtils::SaveStreamToHexStr(&empty), "");
    EXPECT_EQ(TGxUtils::SaveStreamToBase64(&empty, false), "");
    EXPECT_EQ(BytesOf(TGxUtils::HexStrToBytes("00ff7Fa0")), std::string("\x00\xFF\x7F\xA0", 4));
    EXPECT_THROW(TGxUtils::HexStrToBytes("0G"), EConvertError);
    EXPECT_THROW(TGxUtils::HexStrToBytes("ABC"), ERangeError);
    // the stream loaders write at the position; a last odd digit is ignored
    TMemoryStream target = StreamOf("xy");
    target.SetPosition(1);
    TGxUtils::LoadStreamFromHexStr("41424", &target);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(target.Memory()), 3), "xAB");
    TGxUtils::LoadStreamFromBase64("Zm8", &target, true);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(target.Memory()), 5), "xABfo");
}

TEST(GxUtilsCodecs, UrlCoding)
{
    struct Case {
        const char* Text;
        const char* Encoded;
    } cases[] = {
        {"a b~", "a%20b%7E"}, {"A-z.0_9", "A-z.0_9"}, {"\xC3\xA9/?", "%C3%A9%2F%3F"}, {"+", "%2B"}, {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TGxUtils::URLEncode(c.Text), String(c.Encoded)) << c.Text;
        EXPECT_EQ(TGxUtils::URLDecode(c.Encoded), String(c.Text)) << c.Encoded;
    }
    EXPECT_EQ(TGxUtils::URLDecode("%41%2f"), "A");   // lower-case digits drop the pair
    EXPECT_EQ(TGxUtils::URLDecode(" %41 "), "A");
    EXPECT_EQ(TGxUtils::URLDecode("a+b%4"), "a+b4");
}

TEST(GxUtilsArithmetic, MulDivIntRoundsHalvesAwayFromZero)
{
    struct Case {
        Integer Number, Numerator, Denominator, Expected;
    } cases[] = {
        {5, 1, 2, 3},          {-5, 1, 2, -3},       {7, 1, 2, 4},          {4, 1, 3, 1},
        {5, 2, 3, 3},          {-5, 2, 3, -3},       {255, 40, 100, 102},   {1, 1, 0, -1},
        {0, 0, 0, -1},         {2000000000, 3, 4, 1500000000},              {12, 96, 72, 16},
        {-11, 96, 96, -11},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TGxUtils::MulDivInt(c.Number, c.Numerator, c.Denominator), c.Expected)
            << c.Number << "*" << c.Numerator << "/" << c.Denominator;
    EXPECT_FLOAT_EQ(TGxUtils::MulDivSingle(1.5f, 3, 2), 2.25f);
    EXPECT_FLOAT_EQ(TGxUtils::MulDivSingle(1.5f, 3, 0), -1);
}

TEST(GxUtilsArithmetic, WordsPackAVersion)
{
    const Cardinal version = MakeLongOf(MakeWordOf(9, 1), MakeWordOf(2, 0));   // 2.0.9.1
    EXPECT_EQ(version, 0x00020109u);
    EXPECT_EQ(HiWordOf(version), 0x0002u);
    EXPECT_EQ(LoWordOf(version), 0x0109u);
    EXPECT_EQ(HiWordOf(0xFFFF0000u), 0xFFFFu);
}

TEST(GxUtilsFonts, FontSizeInPixelsAtAScale)
{
    TFont font;
    struct Case {
        float Size, Scale;
        Integer Height;
    } cases[] = {{12, 1, -12}, {12, 1.5f, -18}, {16, 1, -16}, {11, 1, -11}, {13, 1, -13},
                 {999999, 1, -4096}, {1e30f, 1, -4096}, {-2147483648.0f, 1, 4096}};   // the largest font
    for (const Case& c : cases) {
        TGxUtils::SetFontSize(&font, c.Size, c.Scale);
        EXPECT_EQ(font.Height(), c.Height) << c.Size << " at " << c.Scale;
    }
}

TEST(GxUtilsPictures, PicturesThroughBase64AndHexadecimal)
{
    TGxBitmap picture;
    SmallPicture(picture);
    const String hex = TGxUtils::SaveBitmapToHexStr(&picture);
    ASSERT_EQ(Copy(hex, 1, 4), "424D");   // "BM"
    const String base64 = TGxUtils::SaveBitmapToBase64(&picture, true);

    std::unique_ptr<TGxBitmap> fromHex(TGxUtils::CreateBitmapFromHexStr(hex));
    std::unique_ptr<TGxBitmap> fromBase64(TGxUtils::CreateBitmapFromBase64("data:image/bmp;base64," + base64, true));
    for (TGxBitmap* back : {fromHex.get(), fromBase64.get()}) {
        ASSERT_TRUE(dynamic_cast<TBitmap*>(back->Graphic()));
        EXPECT_EQ(back->Width(), 4);
        EXPECT_EQ(back->Bitmap().Canvas().Pixel(1, 2), clRed);
        EXPECT_EQ(back->Bitmap().Canvas().Pixel(2, 2), clWhite);
    }
    EXPECT_EQ(TGxUtils::GetImageType(fromHex.get(), false), ".bmp");

    TGxBitmap empty;
    EXPECT_EQ(TGxUtils::SaveBitmapToBase64(&empty, false), "");
    EXPECT_EQ(TGxUtils::SaveBitmapToHexStr(&empty), "");
    // hexadecimal text that holds a data address, or bytes of no known class, load nothing
    TMemoryStream text = StreamOf("data:image/png;base64,AAAA");
    TGxUtils::LoadBitmapFromHexStr(TGxUtils::SaveStreamToHexStr(&text), &empty);
    EXPECT_EQ(empty.Graphic(), nullptr);
    TGxUtils::LoadBitmapFromHexStr("00112233", &empty);
    EXPECT_EQ(empty.Graphic(), nullptr);
}

TEST(GxUtilsPictures, JpegConversion)
{
    TGxBitmap picture;
    SmallPicture(picture);
    std::unique_ptr<TMemoryStream> jpeg(TGxUtils::ConvertBitmapToJPEGStream(&picture, 0.8f, clNone));
    ASSERT_TRUE(jpeg);
    jpeg->SetPosition(0);
    EXPECT_EQ(TGxUtils::GetImageType(jpeg.get(), true).ToUtf8().substr(0, 4), ".jpg");
    TJPEGImage back;
    jpeg->SetPosition(0);
    back.LoadFromStream(*jpeg);
    EXPECT_EQ(back.Width(), 4);
    EXPECT_EQ(back.Height(), 3);
    EXPECT_THROW(TGxUtils::ConvertBitmapToJPEGStream(&picture, 0, clWhite), ERangeError);
    EXPECT_THROW(TGxUtils::ConvertBitmapToJPEGStream(&picture, 1.01f, clWhite), ERangeError);

    // a JPEG picture keeps its bytes whatever the quality
    TGxBitmap jpegPicture;
    jpeg->SetPosition(0);
    jpegPicture.LoadFromStream(*jpeg);
    const String original = TGxUtils::SaveBitmapToHexStr(&jpegPicture);
    std::unique_ptr<TMemoryStream> same(TGxUtils::ConvertBitmapToJPEGStream(&jpegPicture, 0.01f, clWhite));
    EXPECT_EQ(TGxUtils::SaveStreamToHexStr(same.get()), original);
    TGxBitmap empty;
    EXPECT_EQ(TGxUtils::ConvertBitmapToJPEGStream(&empty, 0.5f, clWhite), nullptr);
}

TEST(GxUtilsDownload, ImagesFromAFileAddress)
{
    TGxBitmap picture;
    SmallPicture(picture);
    const String file = GetTempDir() + "/gxutils-download.png";
    TPngImage png;
    png.Image().Assign(picture.Bitmap());
    png.SaveToFile(file);
    std::unique_ptr<TMemoryStream> body = TGxUtils::DownloadImage("file://" + file);
    EXPECT_EQ(TGxUtils::GetImageType(body.get(), true), ".png");
    TMemoryStream onDisk;
    onDisk.LoadFromFile(file);
    EXPECT_EQ(body->Size(), onDisk.Size());

    // text is no image: the body stays empty
    const String textFile = GetTempDir() + "/gxutils-download.txt";
    std::ofstream(textFile.ToUtf8()) << "not a picture";
    EXPECT_EQ(TGxUtils::DownloadImage("file://" + textFile)->Size(), 0);
    try {
        TGxUtils::DownloadImage("file:///nonexistent/dorvane.png");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Cannot open URL file:///nonexistent/dorvane.png");
    }
    DeleteFile(file);
    DeleteFile(textFile);
}

// A web server on the loopback address answering a fixed number of requests, one per connection.
class TLoopbackServer {
public:
    explicit TLoopbackServer(int requests)
    {
        FSocket = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(FSocket, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t length = sizeof address;
        getsockname(FSocket, reinterpret_cast<sockaddr*>(&address), &length);
        FPort = ntohs(address.sin_port);
        listen(FSocket, 4);
        FThread = std::thread([this, requests] {
            for (int i = 0; i < requests; ++i) Serve();
        });
    }
    ~TLoopbackServer()
    {
        Wait();
        close(FSocket);
    }
    // Until every request is answered.
    void Wait()
    {
        if (FThread.joinable()) FThread.join();
    }
    String Address(const char* path) const { return "http://127.0.0.1:" + IntToStr(FPort) + path; }
    std::string Requests;   // what the clients sent, read after Wait
    std::string Png;

private:
    void Serve()
    {
        const int client = accept(FSocket, nullptr, nullptr);
        std::string request;
        char buffer[1024];
        while (request.find("\r\n\r\n") == std::string::npos) {
            const ssize_t n = recv(client, buffer, sizeof buffer, 0);
            if (n <= 0) break;
            request.append(buffer, static_cast<size_t>(n));
        }
        Requests += request;
        std::string type = "text/html", status = "200 OK", body = "<html></html>";
        if (request.find("GET /dot.png") == 0) {
            type = "Image/PNG";
            body = Png;
        } else if (request.find("GET /missing") == 0) {
            status = "404 Not Found";
        }
        const std::string answer = "HTTP/1.1 " + status + "\r\nContent-Type: " + type + "\r\nContent-Length: " +
                                   std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
        send(client, answer.data(), answer.size(), 0);
        close(client);
    }
    int FSocket = -1;
    int FPort = 0;
    std::thread FThread;
};

TEST(GxUtilsDownload, ImagesFromALoopbackServer)
{
    TGxBitmap picture;
    SmallPicture(picture);
    TPngImage png;
    png.Image().Assign(picture.Bitmap());
    TMemoryStream pngBytes;
    png.SaveToStream(pngBytes);
    TLoopbackServer server(3);
    server.Png.assign(reinterpret_cast<const char*>(pngBytes.Memory()), static_cast<size_t>(pngBytes.Size()));
    std::unique_ptr<TMemoryStream> image = TGxUtils::DownloadImage(server.Address("/dot.png"));
    std::unique_ptr<TMemoryStream> page = TGxUtils::DownloadImage(server.Address("/page"));
    std::unique_ptr<TMemoryStream> missing = TGxUtils::DownloadImage(server.Address("/missing"));
    server.Wait();
    EXPECT_EQ(TGxUtils::SaveStreamToHexStr(image.get()), TGxUtils::SaveStreamToHexStr(&pngBytes));
    EXPECT_EQ(page->Size(), 0);      // no image: nothing kept
    EXPECT_EQ(missing->Size(), 0);
    // the program asks as itself and for a fresh copy
    EXPECT_NE(server.Requests.find("User-Agent: TGxUtils\r\n"), std::string::npos) << server.Requests;
    EXPECT_NE(server.Requests.find("Pragma: no-cache\r\n"), std::string::npos);
}

TEST(GxUtilsFiles, SlashesAndFolders)
{
    struct Case {
        const char* Value;
        const char* Back;
        const char* Forward;
    } cases[] = {{"", "", ""}, {"C:\\", "C:\\", "C:\\/"}, {"a", "a\\", "a/"}, {"/tmp/", "/tmp/\\", "/tmp/"}};
    for (const Case& c : cases) {
        EXPECT_EQ(TGxUtils::AddBackslash(c.Value), String(c.Back)) << c.Value;
        EXPECT_EQ(TGxUtils::AddForwardslash(c.Value), String(c.Forward)) << c.Value;
    }
    const String temp = TGxUtils::GetTempPath();
    EXPECT_EQ(temp[temp.Length()], u'/');
    EXPECT_TRUE(DirectoryExists(temp));
    EXPECT_EQ(TGxUtils::GetAppPath(), ProgramDir());
}

TEST(GxUtilsFiles, DocumentsFolderFromTheUsersFolderSettings)
{
    const String home = GetTempDir() + "/gxutils-home";
    ForceDirectories(home + "/config");
    std::ofstream(home.ToUtf8() + "/config/user-dirs.dirs") << "# folders\nXDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n";
    const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    const char* oldConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string savedConfig = oldConfig ? oldConfig : "";
    setenv("HOME", home.ToUtf8().c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/config").ToUtf8().c_str(), 1);
    EXPECT_EQ(TGxUtils::GetDocumentsPath(), home + "/Papers");
    unsetenv("HOME");
    EXPECT_THROW(TGxUtils::GetDocumentsPath(), EOSError);
    setenv("HOME", oldHome.c_str(), 1);
    if (oldConfig) setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
    else unsetenv("XDG_CONFIG_HOME");
}

TEST(GxUtilsResources, RawDataByNameAndClipboardFormats)
{
    const Byte bytes[] = {'<', 's', 'v', 'g', '/', '>'};
    RegisterResource("GXUTILS_SAMPLE", RT_RCDATA, bytes);
    std::unique_ptr<TResourceStream> stream = TGxUtils::GetResourceStream("GxUtils_Sample");
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->Size(), 6);
    EXPECT_EQ(TGxUtils::GetResourceStream("GXUTILS_MISSING", TGxUtils::GetHInstance()), nullptr);

    // the formats are registered once the library is in the program
    EXPECT_EQ(ClipboardFormatBitmap, 2);
    EXPECT_EQ(ClipboardFormatRichEditorText, RegisterClipboardFormat("RichEditorText"));
    EXPECT_EQ(ClipboardFormatHTML, RegisterClipboardFormat("HTML Format"));
    EXPECT_GE(ClipboardFormatStream, 0xC000);
    EXPECT_NE(ClipboardFormatRTF, ClipboardFormatStream);
}

TEST(GxUtilsForms, ScaleWithoutAFormIsOne)
{
    EXPECT_FLOAT_EQ(TGxUtils::GetDPIScale(nullptr, 96), 1.0f);
    EXPECT_FALSE(TGxUtils::IsHighDPIScale(nullptr, -1));
    EXPECT_EQ(TGxUtils::GetOwnerForm(nullptr), nullptr);
    TComponent owner(nullptr);
    auto* child = new TComponent(&owner);   // freed by its owner
    EXPECT_EQ(TGxUtils::GetOwnerForm(child), nullptr);
}

}  // namespace
