#include "synthetic_library.h"

#include <QDir>
#include <QFile>
#include <random>

#include "app_folder.h"

namespace tolvaran::bench {
namespace {

const char* const kVerbs[] = {"查看", "重启", "安装", "删除", "启动", "停止", "配置",
                              "备份", "恢复", "更新", "检查", "清理", "修改", "创建",
                              "挂载", "卸载", "压缩", "解压", "监控", "测试", "导出",
                              "导入", "下载", "上传", "同步"};
const char* const kObjects[] = {"端口",     "服务",     "用户",   "日志", "进程", "防火墙", "磁盘",
                                "内存",     "网络",     "权限",   "文件", "目录", "数据库", "证书",
                                "定时任务", "环境变量", "软件源", "内核", "时区", "主机名", "分区",
                                "缓存",     "镜像",     "容器",   "密钥"};
const char* const kTools[] = {
    "nginx",    "mysql", "apt",    "docker", "ssh", "git",  "php",  "apache", "redis",  "python",
    "node",     "ufw",   "cron",   "tar",    "zip", "curl", "wget", "rsync",  "vim",    "iptables",
    "postgres", "java",  "tomcat", "samba",  "ftp", "dns",  "ntp",  "grub",   "kernel", "systemd"};
const char* const kToolVerbs[] = {"start",  "stop",   "status", "install", "remove",
                                  "config", "backup", "logs",   "update",  "check"};

// std::mt19937's output is fixed by the C++ standard; the distributions are not, so picks
// use the raw output.
class Dice {
public:
    explicit Dice(quint32 seed) : m_engine(seed) {}
    int below(int n) { return static_cast<int>(m_engine() % static_cast<quint32>(n)); }
    template <size_t N>
    QString pick(const char* const (&words)[N]) {
        return QString::fromUtf8(words[below(static_cast<int>(N))]);
    }

private:
    std::mt19937 m_engine;
};

QString syntheticName(Dice& dice, const QString& tool, const QString& number) {
    const QString verb = dice.pick(kVerbs);
    const QString object = dice.pick(kObjects);
    const int form = dice.below(10);
    if (form < 4) {
        return verb + tool + object + QLatin1Char('-') + number;
    }
    if (form < 7) {
        return verb + object + number;
    }
    if (form < 9) {
        return tool + QLatin1Char(' ') + dice.pick(kToolVerbs) + QLatin1Char(' ') + number;
    }
    return QStringLiteral("如何") + verb + tool + number;
}

QString syntheticCommand(Dice& dice, const QString& tool, const QString& number) {
    const QString t = tool;
    const QString n = number;
    switch (dice.below(10)) {
        case 0:
            return QStringLiteral("sudo systemctl restart %1-%2").arg(t, n);
        case 1:
            return QStringLiteral("ls -la /var/log/app%1").arg(n);
        case 2:
            return QStringLiteral("sudo apt-get install -y %1%2").arg(t, n);
        case 3:
            return QStringLiteral("cd /opt/%1%2%git pull%make -j2").arg(t, n);
        case 4:
            return QStringLiteral("tail -f /var/log/%1/access%2.log").arg(t, n);
        case 5:
            return QStringLiteral("docker ps -a | grep %1%2").arg(t, n);
        case 6:
            return QStringLiteral("sudo ufw allow %1/tcp").arg(1000 + n.toInt());
        case 7:
            return QStringLiteral(
                       "tar -czvf /backup/%1-%2.tar.gz /etc/%1%sudo chmod 600 /backup/%1-%2.tar.gz")
                .arg(t, n);
        case 8:
            return QStringLiteral("crontab -l | grep %1%2%crontab -e").arg(t, n);
        default:
            return QStringLiteral("ps aux | grep %1 | awk '{print $2}' | head -n %2").arg(t, n);
    }
}

}  // namespace

QVector<SnippetRow> syntheticRows(int count, quint32 seed) {
    Dice dice(seed);
    QVector<SnippetRow> rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i) {
        const QString tool = dice.pick(kTools);
        const QString number = QString::number(1 + dice.below(9999));
        QString name = syntheticName(dice, tool, number);
        QString command = syntheticCommand(dice, tool, number);
        rows.push_back({std::move(name), std::move(command)});
    }
    return rows;
}

QString writeApplicationFolder(const QString& folder, const QVector<SnippetRow>& rows) {
    const QString error = writeSnippetDatabase(databasePath(folder), rows);
    if (!error.isEmpty()) {
        return error;
    }
    const QString skin = skinPath(folder);
    QFile::remove(skin);
    if (!QFile::copy(skinPath(builtApplicationFolder()), skin)) {
        return QStringLiteral("cannot copy the skin to %1").arg(skin);
    }
    return {};
}

QString builtApplicationFolder() {
    return QStringLiteral(TOLVARAN_BENCH_APP_FOLDER);
}

}  // namespace tolvaran::bench
