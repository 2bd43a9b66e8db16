#include "cli/commands.h"

#include <array>
#include <charconv>
#include <ostream>

#include "cli/convert_command.h"
#include "cli/decode_command.h"
#include "cli/pdu_command.h"
#include "cli/phonebook_command.h"
#include "cli/qt_modules.h"
#include "cli/send_command.h"
#include "cli/web_url.h"
#include "core/edit_ops.h"
#include "core/strings.h"
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

std::optional<OpenedPicture> OpenOrReport(Context& context, const std::string& path) {
    BatchUserInterface ui;
    OpenOutcome outcome = OpenPicture(path, context.settings, ui, context.loadPicture);
    if (!outcome.opened) {
        context.err << outcome.message;
    }
    return outcome.opened;
}

int Show(Context& context, std::span<const std::string> operands) {
    const std::optional<OpenedPicture> picture = OpenOrReport(context, operands[0]);
    if (!picture) {
        return ExitFailure;
    }
    context.out << ShowText(*picture);
    return ExitOk;
}

// The picture convert writes: the editor's plain open or import, or with the options the
// adjustable import of an ordinary picture (invert also applies to a phone graphic).
std::optional<OpenedPicture> ConvertInput(Context& context, const ConvertOptions& options) {
    if (!options.Adjusted()) {
        return OpenOrReport(context, options.input);
    }
    const FileKind kind = ChooseReader(options.input);
    if (kind == FileKind::ImportPicture || kind == FileKind::ImportI61) {
        const std::optional<AdjustSettings> adjust = ConvertAdjustment(options, context.settings);
        if (!adjust) {
            context.err << "The \"ImportLevel\" setting is no colour number; give --threshold.\n";
            return std::nullopt;
        }
        OpenOutcome outcome = ImportAdjusted(options.input, *adjust, context.loadWorkingCopy);
        context.err << outcome.message;
        return outcome.opened;
    }
    if (options.fit || options.threshold || options.dither) {
        context.err << ProgramName << ": " << QuotedName(options.input)
                    << ": --fit, --threshold and --dither apply to pictures that are imported "
                       "(.bmp, .gif, .jpg, ...)\n";
        return std::nullopt;
    }
    std::optional<OpenedPicture> picture = OpenOrReport(context, options.input);
    if (picture) {
        InvertPicture(picture->picture);
    }
    return picture;
}

int Convert(Context& context, std::span<const std::string> operands) {
    std::string error;
    const std::optional<ConvertOptions> options = ParseConvertOptions(operands, error);
    if (!options) {
        context.err << ProgramName << " convert: " << error << "\n"
                    << "Usage: pixora-cli convert " << ConvertOperands << "\n";
        return ExitUsage;
    }
    const std::string& output = options->output;
    // Judged before the input is read, so a mistyped name costs no decoding.
    const std::optional<OutputFormat> format = ChooseOutputFormat(output, options->mono);
    if (!format) {
        context.err << ProgramName << ": " << QuotedName(output)
                    << ": unknown output type; use .npm, .bmp, .wbmp, .otb, .nlm, .ngg, .nol, "
                       ".gms, .nsl, .ngl or .png\n";
        return ExitFailure;
    }
    if (const std::string why = CheckWriteOptions(*format, options->write); !why.empty()) {
        context.err << ProgramName << ": " << QuotedName(output) << ": " << why << "\n";
        return ExitUsage;
    }
    const std::optional<OpenedPicture> picture = ConvertInput(context, *options);
    if (!picture) {
        return ExitFailure;
    }
    // The editor's save: atomic where it can be, in place where a rename would lose something.
    const FileStatus status =
        WriteOutput(*format, output, *picture, context.settings, options->write);
    if (!status.Ok()) {
        context.err << ProgramName << ": " << QuotedName(output)
                    << ": cannot write the file: " << FileStatusText(status) << "\n";
        return ExitFailure;
    }
    return ExitOk;
}

// The request "Send via Internet" would hand the browser for INPUT right now. Only reads: no
// page is written, no browser opened and no counter raised.
int WebUrl(Context& context, std::span<const std::string> operands) {
    const std::optional<OpenedPicture> picture = OpenOrReport(context, operands[0]);
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

constexpr std::array<Command, 9> kCommands = {{
    {"show", "INPUT", "print the picture ('#' set, '.' clear) and its text", 1, Show},
    {"thumbnail", ThumbnailOperands,
     "write a PNG thumbnail of the picture, black on white, for file managers", AnyOperands,
     Thumbnail},
    {"convert", ConvertOperands,
     "write the picture as OUTPUT: .npm, .bmp, .wbmp, .otb, .nlm, .ngg, .nol, .gms, .nsl, .ngl, "
     ".png",
     AnyOperands, Convert},
    {"weburl", "INPUT", "print the web-send address the editor would open for the picture", 1,
     WebUrl},
    {"send", SendOperands,
     "send the picture message through the phone on a serial port, as the editor does", AnyOperands,
     Send},
    {"pdu", PduOperands, "print the AT+CMGS commands and PDU lines the phone would get",
     AnyOperands, Pdu},
    {"phonebook", PhonebookOperands,
     "read the phone's phonebook as the editor does and print it as cache lines", AnyOperands,
     Phonebook},
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
        "ports shows which device each COM number stands for (the \"COMDevice\" settings,\n"
        "else the system's serial ports in order) and why one that cannot be opened cannot;\n"
        "send and phonebook give the same reason when their port will not open.\n\n"
        "Exit status: 0 done, 1 a file was rejected or could not be written, or the message\n"
        "was not sent or the phonebook not read, 2 wrong usage.\n";
    return text;
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
    const std::span<const std::string> operands = args.subspan(1);
    if (command->operandCount != AnyOperands && operands.size() != command->operandCount) {
        context.err << "Usage: pixora-cli " << command->name << " " << command->operands << "\n";
        return ExitUsage;
    }
    return command->run(context, operands);
}

}  // namespace pixora::cli
