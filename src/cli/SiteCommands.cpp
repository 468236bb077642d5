// serve: the members' picks site; pin: a member's PIN for it.
#include <signal.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <iostream>

#include "Cli.h"
#include "core/site/PicksSite.h"
#include "core/site/SiteSettings.h"
#include "net/MachineAddresses.h"
#include "net/PinStore.h"
#include "net/SiteServer.h"

namespace gm::cli {
namespace {

int Serve(const Args& args, Context& ctx) {
    const std::string command = "serve";
    if (!args.Positional().empty()) {
        ctx.Err << "gridmoot-cli serve: unexpected argument '" << args.Positional()[0] << "'\n";
        return 2;
    }
    net::SiteConfig config;
    config.Address = args.Option("--listen").value_or("127.0.0.1");
    if (const auto port = args.Option("--port")) {
        int value = -1;
        const auto [end, ec] = std::from_chars(port->data(), port->data() + port->size(), value);
        if (ec != std::errc() || end != port->data() + port->size() || value < 0 || value > 65535) {
            ctx.Err << "gridmoot-cli serve: --port must be a number from 0 to 65535 (0: any free port), not '"
                    << *port << "'\n";
            return 2;
        }
        config.Port = value;
    }
    const auto cert = args.Option("--cert"), key = args.Option("--key");
    if (cert.has_value() != key.has_value()) {
        ctx.Err << "gridmoot-cli serve: HTTPS needs both --cert FILE and --key FILE\n";
        return 2;
    }
    if (cert) {
        config.CertFile = *cert;
        config.KeyFile = *key;
    }

    // The site saves into the pool: nobody else may write the folder meanwhile.
    FolderLock lock;
    if (lock.Take(ctx.DataFolder) == FolderLock::Outcome::Busy) {
        ctx.Err << "gridmoot-cli serve: the data folder " << ctx.DataFolder.string()
                << " is open in Gridmoot (or another gridmoot-cli serve); start the site from Gridmoot's Pool menu "
                   "there, or close it first.\n";
        return 1;
    }
    {
        AppState check(ctx.DataFolder);
        if (!LoadPoolState(check, ctx, command)) return 1;
    }
    net::FolderPool pool(ctx.DataFolder);
    if (Status s = pool.Load(); !s) {
        ctx.Err << "gridmoot-cli serve: " << s.message << "\n";
        return 1;
    }

    // SIGINT and SIGTERM are taken by this thread alone: every thread the
    // server starts inherits the blocked mask.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigset_t previous;
    pthread_sigmask(SIG_BLOCK, &signals, &previous);

    int code = 0;
    {
        net::SiteServer server(ctx.DataFolder, pool, config);
        std::string error;
        if (!server.Start(&error)) {
            ctx.Err << "gridmoot-cli serve: " << error << "\n";
            code = 1;
        } else {
            int members = 0, withPin = 0;
            std::string title;
            pool.Run([&](AppState& state) {
                title = state.Title;
                members = state.MemberCount;
                withPin = net::PinStore(ctx.DataFolder).MembersWithPin(state);
            });
            const bool everywhere = config.Address == "0.0.0.0" || config.Address == "::";
            ctx.Out << "The picks site of " << title << " is open at " << server.Url() << "\n";
            if (everywhere) {
                for (const std::string& a : net::MachineAddresses())
                    ctx.Out << "Members on the network: " << (config.CertFile.empty() ? "http" : "https") << "://" << a
                            << ":" << server.Port() << "/\n";
            }
            ctx.Out << withPin << " of " << members << " members have a PIN (gridmoot-cli pin MEMBER issues one).\n"
                    << "Stop the site with Ctrl+C.\n";
            ctx.Out.flush();
            int sig = 0;
            sigwait(&signals, &sig);
            server.Stop();
            server.Wait();
            ctx.Out << "The picks site has stopped.\n";
        }
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return code;
}

int Pin(const Args& args, Context& ctx) {
    const std::string command = "pin";
    if (args.Positional().size() != 1) {
        ctx.Err << "gridmoot-cli pin: give the name of one member\n";
        return 2;
    }
    AppState state(ctx.DataFolder);
    if (!LoadPoolState(state, ctx, command)) return 1;
    const std::string& wanted = args.Positional()[0];
    const int member = FindMember(state, wanted);
    if (member < 0) {
        ctx.Err << "gridmoot-cli pin: no single member is named '" << wanted
                << "' (gridmoot-cli members list shows the names)\n";
        return 1;
    }
    std::string pin;
    net::PinStore pins(ctx.DataFolder);
    if (Status s = pins.Issue(state.Members[static_cast<std::size_t>(member)].TrimmedName(), pin); !s) {
        ctx.Err << "gridmoot-cli pin: " << s.message << "\n";
        return 1;
    }
    ctx.Out << pin << "\n";
    return 0;
}

int SiteOptions(const Args& args, Context& ctx) {
    const std::string command = "site-options";
    AppState state(ctx.DataFolder);
    if (!LoadPoolState(state, ctx, command)) return 1;
    SiteSettings settings = ReadSiteSettings(state);
    const SiteSettings before = settings;
    std::vector<std::string> seen;
    for (const std::string& word : args.Positional()) {
        const std::size_t eq = word.find('=');
        std::string key = word.substr(0, eq);
        for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const std::string value = eq == std::string::npos ? std::string() : word.substr(eq + 1);
        auto refuse = [&](const std::string& why) {
            ctx.Err << "gridmoot-cli site-options: " << why << "; nothing was written\n";
            return 2;
        };
        if (eq == std::string::npos) return refuse("'" + word + "' is not KEY=VALUE");
        if (std::find(seen.begin(), seen.end(), key) != seen.end()) return refuse(key + " is given twice");
        seen.push_back(key);
        std::string lower = value;
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (key == "autoadvance") {
            if (lower != "yes" && lower != "no") return refuse("AutoAdvance takes Yes or No, not '" + value + "'");
            settings.AutoAdvance = lower == "yes";
        } else if (key == "deadline") {
            if (lower == "none") {
                settings.Deadline.reset();
                settings.DeadlineWeek = 0;
                continue;
            }
            // WEEK YYYY-MM-DD HH:MM
            const std::size_t space = value.find(' ');
            int week = 0;
            const std::string weekText = value.substr(0, space);
            const auto [end, ec] = std::from_chars(weekText.data(), weekText.data() + weekText.size(), week);
            const auto when = space == std::string::npos ? std::nullopt : ParseDeadline(value.substr(space + 1));
            if (ec != std::errc() || end != weekText.data() + weekText.size() || !state.League().ValidWeek(week) || !when)
                return refuse("Deadline takes \"WEEK YYYY-MM-DD HH:MM\" (Eastern time, a week from 1 to " +
                              std::to_string(state.League().Weeks) + ") or none, not '" + value + "'");
            settings.DeadlineWeek = week;
            settings.Deadline = when;
        } else {
            return refuse("unknown key '" + word.substr(0, eq) + "' (AutoAdvance, Deadline)");
        }
    }
    if (settings != before) {
        const auto lock = LockForWriting(ctx, command);
        if (!lock) return 1;
        if (Status s = WriteSiteSettings(state, settings); !s) {
            ctx.Err << "gridmoot-cli site-options: " << s.message << "\n";
            return 1;
        }
    }
    ctx.Out << "AutoAdvance=" << (settings.AutoAdvance ? "Yes" : "No") << "\n"
            << "Deadline=" << (settings.Deadline ? std::to_string(settings.DeadlineWeek) + " " + DeadlineText(*settings.Deadline) : "none")
            << "\n";
    return 0;
}

}  // namespace

void RegisterSiteCommands(Registry& r) {
    r.push_back({"serve", "serve the members' picks site until Ctrl+C",
                 "Usage: gridmoot-cli [--data DIR] serve [--listen ADDRESS] [--port N]\n"
                 "                                       [--cert FILE --key FILE]\n"
                 "\n"
                 "Serves the picks site: each member signs in with name and PIN, picks the\n"
                 "open week's games and saves. Every sheet is in the pool file before the\n"
                 "member's browser hears it was saved; the audit log PicksSite.log in the data\n"
                 "folder records who saved what, when and from where. The site runs until\n"
                 "SIGINT (Ctrl+C) or SIGTERM, then answers the requests in hand and ends.\n"
                 "The data folder stays locked meanwhile, as when Gridmoot has it open.\n"
                 "\n"
                 "  --listen ADDRESS   the address to listen on (default 127.0.0.1, this\n"
                 "                     computer only; 0.0.0.0 for every network it is on)\n"
                 "  --port N           the port (default 8080; 0: any free port)\n"
                 "  --cert FILE        HTTPS with this certificate (PEM) ...\n"
                 "  --key FILE         ... and its private key (PEM, no pass phrase)\n",
                 {"--listen", "--port", "--cert", "--key"},
                 {},
                 Serve});
    r.push_back({"pin", "issue a new PIN for a member of the picks site",
                 "Usage: gridmoot-cli [--data DIR] pin MEMBER\n"
                 "\n"
                 "Issues a new PIN for the member (the old one stops working at once) and\n"
                 "prints it alone on standard output. The PIN is kept only as a salted slow\n"
                 "hash in SitePins.dat; hand it to the member and keep no copy.\n",
                 {},
                 {},
                 Pin});
    r.push_back({"site-options", "show or set the picks site's deadline and auto-advance",
                 "Usage: gridmoot-cli [--data DIR] site-options [AutoAdvance=Yes|No]\n"
                 "                                              [Deadline=\"WEEK YYYY-MM-DD HH:MM\"|Deadline=none]\n"
                 "\n"
                 "Shows the picks site's options, after setting those given:\n"
                 "  AutoAdvance   Yes: once every game of the current week has kicked off, the\n"
                 "                site opens the next week by itself (seasons with kick-off\n"
                 "                times only); No: members pick the week Gridmoot is on\n"
                 "  Deadline      the moment (US Eastern time) the whole sheet of week WEEK\n"
                 "                locks, before any kick-off; none: games lock at kick-off only\n"
                 "Keys take any letter case. Nothing is written when any value is refused, or\n"
                 "while Gridmoot or gridmoot-cli serve has the folder.\n",
                 {},
                 {},
                 SiteOptions});
}

}  // namespace gm::cli
