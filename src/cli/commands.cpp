// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/commands.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <memory>
#include <ostream>
#include <set>
#include <vector>

#include "cli/convert_command.h"
#include "cli/decode_command.h"
#include "cli/pdu_command.h"
#include "cli/phonebook_command.h"
#include "cli/qt_modules.h"
#include "cli/receive_command.h"
#include "cli/send_command.h"
#include "cli/stream_io.h"
#include "cli/web_url.h"
#include "core/edit_ops.h"
#include "core/strings.h"
#include "core/utf8.h"
#include "formats/file_info.h"
#include "formats/file_io.h"
#include "formats/open_dispatch.h"
#include "formats/png_file.h"
#include "phone/send.h"
#include "shell/phone_numbers.h"
#include "web/usage_counters.h"

namespace pixora::cli {
namespace {

constexpr std::string_view ProgramName = "pixora-cli";
constexpr const char* ThumbnailOperands = "INPUT OUTPUT.png [SIZE]";

// The file a command reads: a named file, or "-" with standard input already read. Phone
// graphics from standard input go to their reader as bytes; an ordinary picture goes to the
// import module through a private temporary file, since the loader takes a name.
struct Input {
    std::string name;  // as messages give it
    std::string path;  // what the openers get: the file, a stand-in name or the temporary file
    std::optional<std::string> bytes;  // standard input's contents
    std::unique_ptr<PrivateTempFile> temp;

    FileKind Kind() const { return ChooseReader(path); }
    bool ByBytes() const { return bytes && !temp; }
};

std::optional<Input> PrepareInput(Context& context, const std::string& name,
                                  const std::optional<std::string>& from) {
    Input input{name, name, std::nullopt, nullptr};
    if (name != StandardStream) {
        return input;
    }
    FileRead read = ReadStandardInput();
    if (!read.status.Ok()) {
        context.err << NamedMessage(
            name, std::string(CantReadFileMessage) + "\n" + FileStatusText(read.status));
        return std::nullopt;
    }
    const std::optional<std::string> type = from ? from : SniffedType(read.bytes);
    if (!type) {
        context.err << NamedMessage(
            name, "give the type with --from TYPE: these contents have no signature");
        return std::nullopt;
    }
    const std::optional<std::string> standIn = StandInName(*type);
    if (!standIn) {
        context.err << NamedMessage(name, "--from " + *type + ": no reader takes this type");
        return std::nullopt;
    }
    input.path = *standIn;
    const FileKind kind = input.Kind();
    if (kind == FileKind::ImportPicture || kind == FileKind::ImportI61) {
        input.temp = std::make_unique<PrivateTempFile>("." + *type, read.bytes);
        if (!input.temp->Status().Ok()) {
            context.err << NamedMessage(name, "cannot keep standard input in a temporary file: " +
                                                  FileStatusText(input.temp->Status()));
            return std::nullopt;
        }
        input.path = input.temp->Path();
    }
    input.bytes = std::move(read.bytes);
    return input;
}

std::optional<OpenedPicture> OpenOrReport(Context& context, const Input& input) {
    BatchUserInterface ui;
    OpenOutcome outcome = input.ByBytes()
                              ? OpenPictureBytes(input.path, *input.bytes)
                              : OpenPicture(input.path, context.settings, ui, context.loadPicture);
    if (!outcome.opened) {
        context.err << NamedMessage(input.name, outcome.message);
    }
    return outcome.opened;
}

std::optional<OpenedPicture> OpenOrReport(Context& context, const std::string& name,
                                          const std::optional<std::string>& from = std::nullopt) {
    const std::optional<Input> input = PrepareInput(context, name, from);
    return input ? OpenOrReport(context, *input) : std::nullopt;
}

// INPUT [--from TYPE], for the commands that only read one picture.
struct InputOperands {
    std::string input;
    std::optional<std::string> from;
};

std::optional<InputOperands> ParseInputOperands(std::span<const std::string> operands,
                                                std::string& error) {
    InputOperands parsed;
    std::vector<std::string> files;
    for (size_t i = 0; i < operands.size(); ++i) {
        if (operands[i] == "--from") {
            if (i + 1 >= operands.size() || operands[i + 1].empty()) {
                error = "--from needs a value";
                return std::nullopt;
            }
            parsed.from = operands[++i];
        } else if (operands[i].size() > 1 && operands[i].compare(0, 2, "--") == 0) {
            error = "unknown option " + operands[i];
            return std::nullopt;
        } else {
            files.push_back(operands[i]);
        }
    }
    if (files.size() != 1) {
        error = "one INPUT is needed";
        return std::nullopt;
    }
    parsed.input = files[0];
    return parsed;
}

constexpr std::string_view InputOperandsText = "INPUT [--from TYPE]";

int Show(Context& context, std::span<const std::string> operands) {
    std::string error;
    const std::optional<InputOperands> parsed = ParseInputOperands(operands, error);
    if (!parsed) {
        context.err << ProgramName << " show: " << error << "\n"
                    << "Usage: pixora-cli show " << InputOperandsText << "\n";
        return ExitUsage;
    }
    const std::optional<OpenedPicture> picture = OpenOrReport(context, parsed->input, parsed->from);
    if (!picture) {
        return ExitFailure;
    }
    context.out << ShowText(*picture);
    return ExitOk;
}

// The file's format, size and header fields, once its reader has taken it.
int Info(Context& context, std::span<const std::string> operands) {
    std::string error;
    const std::optional<InputOperands> parsed = ParseInputOperands(operands, error);
    if (!parsed) {
        context.err << ProgramName << " info: " << error << "\n"
                    << "Usage: pixora-cli info " << InputOperandsText << "\n";
        return ExitUsage;
    }
    const std::optional<Input> input = PrepareInput(context, parsed->input, parsed->from);
    if (!input || !OpenOrReport(context, *input)) {
        return ExitFailure;
    }
    std::string bytes;
    if (input->bytes) {
        bytes = *input->bytes;
    } else {
        FileRead read = ReadFile(input->path);
        if (!read.status.Ok()) {
            context.err << NamedMessage(
                input->name, std::string(CantReadFileMessage) + "\n" + FileStatusText(read.status));
            return ExitFailure;
        }
        bytes = std::move(read.bytes);
    }
    context.out << FileInfoText(ReadFileInfo(bytes, input->Kind()));
    return ExitOk;
}

// The picture convert writes: the editor's plain open or import, or with the options the
// adjustable import of an ordinary picture (invert also applies to a phone graphic).
std::optional<OpenedPicture> ConvertInput(Context& context, const ConvertOptions& options,
                                          const std::string& name) {
    const std::optional<Input> input = PrepareInput(context, name, options.from);
    if (!input) {
        return std::nullopt;
    }
    if (!options.Adjusted()) {
        return OpenOrReport(context, *input);
    }
    const FileKind kind = input->Kind();
    if (kind == FileKind::ImportPicture || kind == FileKind::ImportI61) {
        const std::optional<AdjustSettings> adjust = ConvertAdjustment(options, context.settings);
        if (!adjust) {
            context.err << NamedMessage(
                input->name, "The \"ImportLevel\" setting is no colour number; give --threshold.");
            return std::nullopt;
        }
        OpenOutcome outcome = ImportAdjusted(input->path, *adjust, context.loadWorkingCopy);
        if (!outcome.message.empty()) {
            context.err << NamedMessage(input->name, outcome.message);
        }
        return outcome.opened;
    }
    if (options.fit || options.threshold || options.dither) {
        context.err << NamedMessage(input->name,
                                    "--fit, --threshold and --dither apply to pictures that are "
                                    "imported (.bmp, .gif, .jpg, ...)");
        return std::nullopt;
    }
    std::optional<OpenedPicture> picture = OpenOrReport(context, *input);
    if (picture) {
        InvertPicture(picture->picture);
    }
    return picture;
}

// The editor's save: atomic where it can be, in place where a rename would lose something. For
// "-" the same bytes are made in a private temporary file and copied to standard output, so
// every writer serves both.
bool WriteConverted(Context& context, OutputFormat format, const std::string& output,
                    const std::string& type, const OpenedPicture& picture,
                    const WriteOptions& write) {
    FileStatus status;
    if (output == StandardStream) {
        const PrivateTempFile temp("." + type, "");
        status = temp.Status();
        if (status.Ok()) {
            status = WriteOutput(format, temp.Path(), picture, context.settings, write);
        }
        if (status.Ok()) {
            const FileRead written = ReadFile(temp.Path());
            status = written.status;
            context.out.write(written.bytes.data(),
                              static_cast<std::streamsize>(written.bytes.size()));
            context.out.flush();
            if (status.Ok() && !context.out) {
                status = FileStatus{FileError::WriteFailed, EPIPE};
            }
        }
    } else {
        status = WriteOutput(format, output, picture, context.settings, write);
    }
    if (!status.Ok()) {
        context.err << NamedMessage(output, "cannot write the file: " + FileStatusText(status));
        return false;
    }
    return true;
}

std::string TypeOfName(const std::string& path) {
    const std::string name = path.substr(path.rfind('/') + 1);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string("tmp") : name.substr(dot + 1);
}

int ConvertUsage(Context& context, const std::string& error) {
    context.err << ProgramName << " convert: " << error << "\n"
                << "Usage: pixora-cli convert " << ConvertOperands << "\n";
    return ExitUsage;
}

// Every input in one run, going on after a failure; each failure names its file.
int ConvertBatch(Context& context, const ConvertOptions& options, OutputFormat format) {
    // New files are flushed once at the end instead of one by one; that flush is what lets the
    // run say they are written.
    DeferredFlush flush;
    int failed = 0;
    for (const std::string& input : options.inputs) {
        const std::optional<OpenedPicture> picture = ConvertInput(context, options, input);
        const std::string output = BatchOutputPath(*options.outDir, input, *options.to);
        if (!picture ||
            !WriteConverted(context, format, output, *options.to, *picture, options.write)) {
            ++failed;
        }
    }
    if (const FileStatus flushed = flush.Finish(*options.outDir); !flushed.Ok()) {
        context.err << NamedMessage(*options.outDir,
                                    "cannot write the files: " + FileStatusText(flushed));
        return ExitFailure;
    }
    if (failed > 0) {
        context.err << ProgramName << ": " << failed << " of " << options.inputs.size()
                    << " files not converted\n";
        return ExitFailure;
    }
    return ExitOk;
}

int Convert(Context& context, std::span<const std::string> operands) {
    std::string error;
    const std::optional<ConvertOptions> options = ParseConvertOptions(operands, error);
    if (!options) {
        return ConvertUsage(context, error);
    }
    const std::string& output = options->output;
    if (!options->to && output == StandardStream) {
        return ConvertUsage(context, "standard output needs --to TYPE");
    }
    // Judged before the input is read, so a mistyped name costs no decoding.
    const std::optional<OutputFormat> format =
        options->to ? OutputFormatForType(*options->to, options->mono)
                    : ChooseOutputFormat(output, options->mono);
    const std::string named = options->to ? "--to " + *options->to : output;
    if (!format) {
        context.err << NamedMessage(named,
                                    "unknown output type; use .npm, .bmp, .wbmp, .otb, .nlm, "
                                    ".ngg, .nol, .gms, .nsl, .ngl or .png");
        return ExitFailure;
    }
    if (const std::string why = CheckWriteOptions(*format, options->write); !why.empty()) {
        context.err << NamedMessage(named, why);
        return ExitUsage;
    }
    if (options->outDir) {
        return ConvertBatch(context, *options, *format);
    }
    const std::optional<OpenedPicture> picture = ConvertInput(context, *options, options->input);
    if (!picture) {
        return ExitFailure;
    }
    const std::string type = options->to ? *options->to : TypeOfName(output);
    return WriteConverted(context, *format, output, type, *picture, options->write) ? ExitOk
                                                                                    : ExitFailure;
}

// The request "Send via Internet" would hand the browser for INPUT right now. Only reads: no
// page is written, no browser opened and no counter raised.
int WebUrl(Context& context, std::span<const std::string> operands) {
    std::string error;
    const std::optional<InputOperands> parsed = ParseInputOperands(operands, error);
    if (!parsed) {
        context.err << ProgramName << " weburl: " << error << "\n"
                    << "Usage: pixora-cli weburl " << InputOperandsText << "\n";
        return ExitUsage;
    }
    const std::optional<OpenedPicture> picture = OpenOrReport(context, parsed->input, parsed->from);
    if (!picture) {
        return ExitFailure;
    }
    std::string warning;
    const WebContext web = EditorWebContext(ExecutableFolder(), warning);
    if (!warning.empty()) {
        context.err << ProgramName << ": region: " << warning << "\n";
    }
    context.out << WebSendAddress(web, picture->picture, picture->text,
                                  myGetCount(context.settings))
                << "\n";
    return ExitOk;
}

int Send(Context& context, std::span<const std::string> operands) {
    std::string error;
    const std::optional<SendOptions> options = ParseSendOptions(operands, error);
    if (!options) {
        context.err << ProgramName << " send: " << error << "\n"
                    << "Usage: pixora-cli send " << SendOperands << "\n";
        return ExitUsage;
    }
    // The send dialog's rule: digits only, international form.
    const std::string to = DigitsOnly(options->to);
    if (!ValidDestination(to)) {
        std::string regionError;
        const std::optional<RegionResult> region = KeyboardRegionThroughModule(regionError);
        const std::string countryCode = region ? region->keyboardCountryCode : std::string();
        context.err << TerminalText(InvalidDestinationText(ExampleNumber(to, countryCode))) << "\n";
        return ExitFailure;
    }
    const std::optional<OpenedPicture> picture = OpenOrReport(context, options->input);
    if (!picture) {
        return ExitFailure;
    }
    SendJob job;
    job.picture = picture->picture;
    job.text = picture->text;
    job.to = to;
    job.device = options->device;
    job.port = options->port.value_or(0);
    job.smsc = options->smsc;
    job.timeoutSeconds = options->timeoutSeconds;
    job.out = &context.out;
    job.err = &context.err;
    const std::optional<int> status = RunSend(job, error);
    if (!status) {
        context.err << ProgramName << ": " << error << "\n";
        return ExitFailure;
    }
    return *status;
}

// The phone's phonebook as the editor reads it, printed as the lines of its cache file.
int Phonebook(Context& context, std::span<const std::string> operands) {
    std::string error;
    const std::optional<PhonebookOptions> options = ParsePhonebookOptions(operands, error);
    if (!options) {
        context.err << ProgramName << " phonebook: " << error << "\n"
                    << "Usage: pixora-cli phonebook " << PhonebookOperands << "\n";
        return ExitUsage;
    }
    PhonebookJob job;
    job.device = options->device;
    job.port = options->port.value_or(0);
    job.sim = options->sim;
    job.phone = options->phone;
    job.save = options->save;
    job.timeoutSeconds = options->timeoutSeconds;
    job.out = &context.out;
    job.err = &context.err;
    const std::optional<int> status = RunPhonebook(job, error);
    if (!status) {
        context.err << ProgramName << ": " << error << "\n";
        return ExitFailure;
    }
    return *status;
}

// The picture messages stored on the phone: listed, or written as DIR/SENDER_TIME.npm. Nothing
// on the phone is deleted and no setting is written.
int Receive(Context& context, std::span<const std::string> operands) {
    std::string error;
    const std::optional<ReceiveOptions> options = ParseReceiveOptions(operands, error);
    if (!options) {
        context.err << ProgramName << " receive: " << error << "\n"
                    << "Usage: pixora-cli receive " << ReceiveOperands << "\n";
        return ExitUsage;
    }
    std::vector<ListedPdu> listed;
    ReceiveJob job;
    job.device = options->device;
    job.port = options->port.value_or(0);
    job.timeoutSeconds = options->timeoutSeconds;
    job.listed = &listed;
    job.err = &context.err;
    const std::optional<int> status = RunReceive(job, error);
    if (!status) {
        context.err << ProgramName << ": " << error << "\n";
        return ExitFailure;
    }
    if (*status != ExitOk) {
        return *status;
    }
    const StoredPictures found = FindStoredPictures(listed);
    for (const std::string& problem : found.problems) {
        context.err << ProgramName << " receive: " << problem << "\n";
    }
    if (options->outDir.empty()) {
        for (const StoredPicture& picture : found.messages) {
            context.out << picture.message.sender << "\t" << picture.message.timestamp << "\t"
                        << U32ToUtf8(picture.message.text) << "\n";
        }
        return ExitOk;
    }
    std::error_code ec;
    std::filesystem::create_directories(options->outDir, ec);
    int result = ExitOk;
    std::set<std::string> taken;
    for (const StoredPicture& picture : found.messages) {
        // A file already there is never overwritten: the next free number is taken.
        std::string path;
        do {
            path =
                (std::filesystem::path(options->outDir) / ReceivedFileName(picture.message, taken))
                    .string();
        } while (std::filesystem::exists(path, ec));
        const FileStatus written = WriteOutput(
            SaveFormat::PictureMessage, path,
            OpenedPicture{picture.message.picture, picture.message.text}, context.settings);
        if (!written.Ok()) {
            context.err << ProgramName << ": " << QuotedName(path)
                        << ": cannot write the file: " << FileStatusText(written) << "\n";
            result = ExitFailure;
            continue;
        }
        context.out << path << "\n";
    }
    return result;
}

// The three lines the phone would get; reads and writes no setting.
int Pdu(Context& context, std::span<const std::string> operands) {
    std::string error;
    const std::optional<PduOptions> options = ParsePduOptions(operands, error);
    if (!options) {
        context.err << ProgramName << " pdu: " << error << "\n"
                    << "Usage: pixora-cli pdu " << PduOperands << "\n";
        return ExitUsage;
    }
    const std::optional<OpenedPicture> picture = OpenOrReport(context, options->input);
    if (!picture) {
        return ExitFailure;
    }
    context.out << PduLines(*options, picture->picture, picture->text);
    return ExitOk;
}

// COM1 .. COM8 as the editor and send see them, and whether each can be opened now.
int Ports(Context& context, std::span<const std::string>) {
    std::string error;
    const std::optional<int> status = RunPorts(context.out, error);
    if (!status) {
        context.err << ProgramName << ": " << error << "\n";
        return ExitFailure;
    }
    return *status;
}

// The file manager's thumbnail: the picture black on white, each cell a whole number of pixels so
// the cells stay sharp, the longer side at most SIZE (128 unless given).
int Thumbnail(Context& context, std::span<const std::string> operands) {
    if (operands.size() < 2 || operands.size() > 3) {
        context.err << ProgramName << " thumbnail: give INPUT, OUTPUT and at most a size\n"
                    << "Usage: pixora-cli thumbnail " << ThumbnailOperands << "\n";
        return ExitUsage;
    }
    int size = 128;
    if (operands.size() == 3) {
        const std::string& text = operands[2];
        int parsed = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
        if (ec != std::errc() || end != text.data() + text.size() || parsed < 1) {
            context.err << ProgramName << " thumbnail: " << QuotedName(operands[2])
                        << " is no size in pixels\n";
            return ExitUsage;
        }
        size = parsed;
    }
    const std::optional<OpenedPicture> picture = OpenOrReport(context, operands[0]);
    if (!picture) {
        return ExitFailure;
    }
    const FileStatus status = WriteFile(
        operands[1],
        WritePngFile(picture->picture, PictureWidth, PictureHeight, ThumbnailScale(size)));
    if (!status.Ok()) {
        context.err << ProgramName << ": " << QuotedName(operands[1])
                    << ": cannot write the file: " << FileStatusText(status) << "\n";
        return ExitFailure;
    }
    return ExitOk;
}

constexpr std::array<Command, 11> kCommands = {{
    {"show", InputOperandsText, "print the picture ('#' set, '.' clear) and its text", AnyOperands,
     Show},
    {"info", InputOperandsText,
     "print the file's format, size and header fields as \"key: value\" lines", AnyOperands, Info},
    {"thumbnail", ThumbnailOperands,
     "write a PNG thumbnail of the picture, black on white, for file managers", AnyOperands,
     Thumbnail},
    {"convert", ConvertOperands,
     "write the picture as OUTPUT: .npm, .bmp, .wbmp, .otb, .nlm, .ngg, .nol, .gms, .nsl, .ngl, "
     ".png",
     AnyOperands, Convert},
    {"weburl", InputOperandsText,
     "print the web-send address the editor would open for the picture", AnyOperands, WebUrl},
    {"send", SendOperands,
     "send the picture message through the phone on a serial port, as the editor does", AnyOperands,
     Send},
    {"pdu", PduOperands, "print the AT+CMGS commands and PDU lines the phone would get",
     AnyOperands, Pdu},
    {"phonebook", PhonebookOperands,
     "read the phone's phonebook as the editor does and print it as cache lines", AnyOperands,
     Phonebook},
    {"receive", ReceiveOperands,
     "list the picture messages stored on the phone, or write each as DIR/SENDER_TIME.npm",
     AnyOperands, Receive},
    {"decode", DecodeOperands,
     "show a received picture message (PDU lines, AT+CMGL output, .smsbackup) or write it",
     AnyOperands, RunDecode},
    {"ports", "", "list COM1 .. COM8: device, stable name, description, whether it opens now", 0,
     Ports},
}};

const Command* FindCommand(std::string_view name) {
    for (const Command& command : kCommands) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

}  // namespace

std::span<const Command> Commands() {
    return kCommands;
}

std::string HelpText() {
    std::string text =
        "Usage: pixora-cli COMMAND OPERANDS...\n"
        "       pixora-cli --help | --version\n\n"
        "Picture messages and phone graphics from the command line, read and\n"
        "written as the Pixora editor does; nothing is ever asked.\n\n"
        "Commands:\n";
    for (const Command& command : kCommands) {
        std::string head = "  " + std::string(command.name) + " " + std::string(command.operands);
        head.resize(std::max<size_t>(head.size() + 2, 24), ' ');
        text += head + std::string(command.summary) + "\n";
    }
    text +=
        "\nINPUT is opened by the editor's rules: the type comes from the extension text\n"
        "anywhere in the name (.npm .ngg .nol .otb .wbmp .nlm .nsl .ngl .gms); .bmp .gif .jpg\n"
        ".ico .i61 are imported, shrunk to 72 x 28 and made black and white at the\n"
        "\"ImportLevel\" setting. convert's --fit (stretch: as the editor; contain: whole\n"
        "picture, centred; cover: fills the picture, cut to fit; none: top-left 72 x 28,\n"
        "unscaled), --threshold (0-255 on luminance; default from \"ImportLevel\"), --dither\n"
        "and --invert choose as the editor's Import with Preview does. Settings are read from the "
        "editor's store, never written,\n"
        "except that send advances \"ConcatCount\" and counts a sent message in \"StatsSend\"\n"
        "as the editor does.\n\n"
        "send talks to the phone on --device PATH, on COM port --port N (see the editor's\n"
        "options), or on the \"COMPort\" setting; the message centre is --smsc or the \"SMSC\"\n"
        "setting. Progress goes to standard error; Ctrl+C, SIGTERM or --timeout cancel.\n\n"
        "phonebook finds the phone the same way and reads the memories the editor's options\n"
        "choose (--sim, --phone or --both instead); it prints the entries as the lines of the\n"
        "editor's cache file (Name;Number;Memory;Index;, Windows-1252, CR LF) and writes that\n"
        "file only with --save.\n\n"
        "receive reads the SIM and phone memories the same way (nothing is deleted) and\n"
        "lists the picture messages found as SENDER, TIME and TEXT separated by tabs, or\n"
        "with --out-dir writes each as DIR/SENDER_YYYYMMDD-HHMMSS.npm (-2, -3 for a name\n"
        "already taken) and prints its path; a message that cannot be joined is reported.\n\n"
        "ports shows which device each COM number stands for (the \"COMDevice\" settings,\n"
        "else the system's serial ports in order) and why one that cannot be opened cannot;\n"
        "send and phonebook give the same reason when their port will not open.\n\n"
        "INPUT - reads standard input: --from TYPE names its type (an extension without the\n"
        "dot), else its signature does (picture messages, .nlm .ngg .nol .nsl .ngl, bitmaps,\n"
        "GIF, JPEG, icons). OUTPUT - writes standard output and needs --to TYPE, which\n"
        "otherwise overrides the output's extension. convert --to TYPE --out-dir DIR INPUT...\n"
        "writes each INPUT as DIR/NAME.TYPE and goes on after a failure. info prints\n"
        "\"format:\", \"width:\", \"height:\" and the file's own fields (\"operator:\",\n"
        "\"nlm-type:\", \"text:\", \"author:\"). COMMAND --help prints that command's usage;\n"
        "every option takes --opt=value as well. Messages begin \"pixora-cli: FILE: \".\n\n"
        "Exit status: 0 done, 1 a file was rejected or could not be written, or the message\n"
        "was not sent, the phonebook or the messages not read, 2 wrong usage.\n";
    return text;
}

std::string CommandHelpText(const Command& command) {
    return "Usage: pixora-cli " + std::string(command.name) + " " + std::string(command.operands) +
           "\n\n" + std::string(command.summary) + ".\nSee pixora-cli --help and pixora-cli(1).\n";
}

std::string VersionText() {
    return std::string(ProgramName) + " " + std::to_string(PIXORA_VERSION_MAJOR) + "." +
           std::to_string(PIXORA_VERSION_MINOR) + "." + std::to_string(PIXORA_VERSION_PATCH) + "\n";
}

int RunCli(std::span<const std::string> args, Context& context) {
    if (args.empty()) {
        context.err << HelpText();
        return ExitUsage;
    }
    const std::string& first = args[0];
    if (first == "--help" || first == "-h") {
        context.out << HelpText();
        return ExitOk;
    }
    if (first == "--version") {
        context.out << VersionText();
        return ExitOk;
    }
    const Command* command = FindCommand(first);
    if (command == nullptr) {
        context.err << ProgramName << ": unknown command '" << first
                    << "'; see pixora-cli --help\n";
        return ExitUsage;
    }
    // "--opt=value" is "--opt value" for every command; "--help" anywhere asks for the usage.
    std::vector<std::string> operands;
    for (const std::string& word : args.subspan(1)) {
        if (word == "--help") {
            context.out << CommandHelpText(*command);
            return ExitOk;
        }
        const size_t equals = word.find('=');
        if (word.size() > 2 && word.compare(0, 2, "--") == 0 && equals != std::string::npos) {
            operands.push_back(word.substr(0, equals));
            operands.push_back(word.substr(equals + 1));
        } else {
            operands.push_back(word);
        }
    }
    if (command->operandCount != AnyOperands && operands.size() != command->operandCount) {
        context.err << "Usage: pixora-cli " << command->name << " " << command->operands << "\n";
        return ExitUsage;
    }
    return command->run(context, operands);
}

}  // namespace pixora::cli
