<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Компания:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>Build:</source>
        <translation>Сборка:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Канал:</translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation>Архитектура:</translation>
    </message>
    <message>
        <source>EULA:</source>
        <translation>Лицензия:</translation>
    </message>
    <message>
        <source>Privacy Policy:</source>
        <translation>Конфиденциальность:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Веб-сайт:</translation>
    </message>
    <message>
        <source>Feedback:</source>
        <translation>Отзыв:</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Учётная запись:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>License agreement</source>
        <translation>Лицензионное соглашение</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Политика конфиденциальности</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Changelog</source>
        <translation>Список изменений</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Обновления</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Обратная связь</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Not available in this build</source>
        <translation>Недоступно в этой сборке</translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation>Отправить отзыв</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Войти</translation>
    </message>
</context>
<context>
    <name>AirvaneLite</name>
    <message>
        <source>Refresh this interface</source>
        <translation>Обновить данные этого интерфейса</translation>
    </message>
    <message>
        <source>Copy wireless information</source>
        <translation>Копировать сведения о беспроводной сети</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Шифрование</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Сигнал</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Безопасность</translation>
    </message>
    <message>
        <source>Auth. Algorith</source>
        <translation>Алг. аутентификации</translation>
    </message>
    <message>
        <source>Dot11BssType</source>
        <translation>Тип BSS сети</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Connectable</source>
        <translation>Доступна</translation>
    </message>
    <message>
        <source>Number of BSSIDS</source>
        <translation>Число BSSID</translation>
    </message>
    <message>
        <source>Not connectable reason</source>
        <translation>Причина недоступности</translation>
    </message>
    <message>
        <source>PHY Type</source>
        <translation>Тип PHY</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Флаги</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-адрес</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <source>Wireless information</source>
        <translation>Сведения о беспроводной сети</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>Интерфейс:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Состояние:</translation>
    </message>
    <message>
        <source>Oper.Mode:</source>
        <translation>Реж. работы:</translation>
    </message>
    <message>
        <source>BSS Type:</source>
        <translation>Тип BSS:</translation>
    </message>
    <message>
        <source>Auto Conf.:</source>
        <translation>Автонастр.:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Профиль:</translation>
    </message>
    <message>
        <source>Network:</source>
        <translation>Сеть:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Шифрование:</translation>
    </message>
    <message>
        <source>Signal:</source>
        <translation>Сигнал:</translation>
    </message>
    <message>
        <source>Security:</source>
        <translation>Безопасность:</translation>
    </message>
    <message>
        <source>Auth. Algorithm:</source>
        <translation>Алгоритм аутентификации:</translation>
    </message>
    <message>
        <source>Connectable:</source>
        <translation>Доступна:</translation>
    </message>
    <message>
        <source>Not connectable reason:</source>
        <translation>Причина недоступности:</translation>
    </message>
    <message>
        <source>Dot11BssType:</source>
        <translation>Тип BSS сети:</translation>
    </message>
    <message>
        <source>Flags:</source>
        <translation>Флаги:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Connected:</source>
        <translation>Подключено:</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>MAC-адрес:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Канал:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Режим:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Частота:</translation>
    </message>
    <message>
        <source>Band:</source>
        <translation>Диапазон:</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключиться</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Loading data...</source>
        <translation>Загрузка данных...</translation>
    </message>
    <message>
        <source>Wireless card was not found</source>
        <translation>Беспроводной адаптер не найден</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключиться</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Wireless card was not found! Make sure you have wireless card enabled and newest drivers installed!</source>
        <translation>Беспроводной адаптер не найден! Убедитесь, что он включён и установлены последние версии драйверов!</translation>
    </message>
    <message>
        <source>no wireless card found</source>
        <translation>беспроводной адаптер не найден</translation>
    </message>
    <message>
        <source>Can&apos;t get wlan interfaces!</source>
        <translation>Не удалось получить список беспроводных интерфейсов!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Can&apos;t get available networks!</source>
        <translation>Не удалось получить список доступных сетей!</translation>
    </message>
    <message>
        <source>Failed to refresh wlan networks! Error code:</source>
        <translation>Не удалось обновить список беспроводных сетей! Код ошибки:</translation>
    </message>
    <message>
        <source>Failed to get network information! Error code:</source>
        <translation>Не удалось получить сведения о сети! Код ошибки:</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Wireless information has been successfully copied to the clipboard.</source>
        <translation>Сведения о беспроводной сети скопированы в буфер обмена.</translation>
    </message>
    <message>
        <source>Error code:</source>
        <translation>Код ошибки:</translation>
    </message>
    <message>
        <source>Could not unregister wlan notification!</source>
        <translation>Не удалось отменить регистрацию уведомлений WLAN!</translation>
    </message>
</context>
<context>
    <name>AppRestart</name>
    <message>
        <source>the application could not be restarted</source>
        <translation>не удалось перезапустить программу</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Failed to restart the application!</source>
        <translation>Не удалось перезапустить программу!</translation>
    </message>
    <message>
        <source>Close it and start it again.</source>
        <translation>Закройте её и запустите снова.</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Show application full info</source>
        <translation>Показывать полную информацию о программе</translation>
    </message>
    <message>
        <source>Run when Windows starts</source>
        <translation>Запускать вместе с Windows</translation>
    </message>
    <message>
        <source>Show splash at startup</source>
        <translation>Показывать заставку при запуске</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Поверх всех окон</translation>
    </message>
    <message>
        <source>Open network information with Config Manager</source>
        <translation>Открывать сведения о сети в диспетчере конфигурации</translation>
    </message>
    <message>
        <source>Refresh wireless networks automatically</source>
        <translation>Автоматически обновлять беспроводные сети</translation>
    </message>
    <message>
        <source>Set to defaults</source>
        <translation>Восстановить значения по умолчанию</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Область уведомлений</translation>
    </message>
    <message>
        <source>Add to tray</source>
        <translation>Добавить в трей</translation>
    </message>
    <message>
        <source>Close to tray</source>
        <translation>Закрывать в трей</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>Сворачивать в трей</translation>
    </message>
    <message>
        <source>Notify me when in a tray</source>
        <translation>Уведомлять, когда программа в трее</translation>
    </message>
    <message>
        <source>Show window when in a tray</source>
        <translation>Показывать окно, когда программа в трее</translation>
    </message>
    <message>
        <source>Open network notification</source>
        <translation>Уведомление об открытых сетях</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Внешний вид</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Семейство</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Непрозрачность</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Состояние:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Check connection</source>
        <translation>Проверить подключение</translation>
    </message>
    <message>
        <source>Set up hosted network</source>
        <translation>Настройка размещённой сети</translation>
    </message>
    <message>
        <source>Type network name</source>
        <translation>Введите имя сети</translation>
    </message>
    <message>
        <source>Type network password</source>
        <translation>Введите пароль сети</translation>
    </message>
    <message>
        <source>Show characters</source>
        <translation>Показать символы</translation>
    </message>
    <message>
        <source>Create network</source>
        <translation>Создать сеть</translation>
    </message>
    <message>
        <source>Start network</source>
        <translation>Запустить сеть</translation>
    </message>
    <message>
        <source>Stop network</source>
        <translation>Остановить сеть</translation>
    </message>
    <message>
        <source>Show network</source>
        <translation>Показать сеть</translation>
    </message>
    <message>
        <source>Enable network</source>
        <translation>Включить сеть</translation>
    </message>
    <message>
        <source>Disable network</source>
        <translation>Отключить сеть</translation>
    </message>
    <message>
        <source>Delete network</source>
        <translation>Удалить сеть</translation>
    </message>
    <message>
        <source>Manage network</source>
        <translation>Управление сетью</translation>
    </message>
    <message>
        <source>Type network profile</source>
        <translation>Введите профиль сети</translation>
    </message>
    <message>
        <source>Show network profile key</source>
        <translation>Показать ключ профиля сети</translation>
    </message>
    <message>
        <source>Stop auto connection to network</source>
        <translation>Отключить автоподключение к сети</translation>
    </message>
    <message>
        <source>Delete network profile</source>
        <translation>Удалить профиль сети</translation>
    </message>
    <message>
        <source>Configure networks</source>
        <translation>Настройка сетей</translation>
    </message>
    <message>
        <source>Display hosted network information</source>
        <translation>Сведения о размещённой сети</translation>
    </message>
    <message>
        <source>Display WLAN global settings</source>
        <translation>Глобальные параметры WLAN</translation>
    </message>
    <message>
        <source>Wireless system information</source>
        <translation>Сведения о беспроводной системе</translation>
    </message>
    <message>
        <source>Show network profiles</source>
        <translation>Показать профили сетей</translation>
    </message>
    <message>
        <source>Open network settings</source>
        <translation>Открыть параметры сети</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Build:</source>
        <translation>Сборка:</translation>
    </message>
    <message>
        <source>Check...</source>
        <translation>Проверить...</translation>
    </message>
    <message>
        <source>Last checked:</source>
        <translation>Последняя проверка:</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Не проверялось</translation>
    </message>
    <message>
        <source>Changelog</source>
        <translation>Список изменений</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Get updates</source>
        <translation>Получать обновления</translation>
    </message>
    <message>
        <source>Check for updates when application starts</source>
        <translation>Проверять обновления при запуске программы</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>Устанавливать обновления автоматически</translation>
    </message>
    <message>
        <source>Get insider builds notification</source>
        <translation>Уведомлять об инсайдерских сборках</translation>
    </message>
    <message>
        <source>Delete installer after update</source>
        <translation>Удалять установщик после обновления</translation>
    </message>
    <message>
        <source>Install updates silently</source>
        <translation>Устанавливать обновления без вопросов</translation>
    </message>
    <message>
        <source>Paths</source>
        <translation>Пути</translation>
    </message>
    <message>
        <source>Download path:</source>
        <translation>Папка загрузки:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Install path:</source>
        <translation>Папка установки:</translation>
    </message>
    <message>
        <source>Updates delivery</source>
        <translation>Источник обновлений</translation>
    </message>
    <message>
        <source>Auto select</source>
        <translation>Автовыбор</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмная</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Серая</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлая</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Релиз</translation>
    </message>
    <message>
        <source>Beta</source>
        <translation>Бета</translation>
    </message>
    <message>
        <source>Insider</source>
        <translation>Инсайдерский</translation>
    </message>
    <message>
        <source>Development</source>
        <translation>Разработка</translation>
    </message>
    <message>
        <source>Dropbox</source>
        <translation>Dropbox</translation>
    </message>
    <message>
        <source>OneDrive</source>
        <translation>OneDrive</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <translation>Сервер Tarnwick</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Разное</translation>
    </message>
    <message>
        <source>Networks</source>
        <translation>Сети</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Обновления</translation>
    </message>
    <message>
        <source>Do you want to restart now?</source>
        <translation>Перезапустить сейчас?</translation>
    </message>
    <message>
        <source>You must restart the program to apply the selected font.</source>
        <translation>Чтобы применить выбранный шрифт, нужно перезапустить программу.</translation>
    </message>
    <message>
        <source>You must restart the program to set the default font.</source>
        <translation>Чтобы вернуть шрифт по умолчанию, нужно перезапустить программу.</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Выберите папку</translation>
    </message>
    <message>
        <source>This command has no equivalent on this system.</source>
        <translation>В этой системе нет такой команды.</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Проверка...</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Не подключено</translation>
    </message>
    <message>
        <source>%1 (update available)</source>
        <translation>%1 (доступно обновление)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Failed to check for the updates!</source>
        <translation>Не удалось проверить обновления!</translation>
    </message>
    <message>
        <source>Network connection is not available! Check your network and try again.</source>
        <translation>Сетевое подключение недоступно! Проверьте сеть и повторите попытку.</translation>
    </message>
</context>
<context>
    <name>AppTheme</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Unable to change theme!</source>
        <translation>Не удалось сменить тему!</translation>
    </message>
    <message>
        <source>Unable to set theme. File is not found!</source>
        <translation>Не удалось применить тему. Файл не найден!</translation>
    </message>
    <message>
        <source>theme change was not applied</source>
        <translation>смена темы не применена</translation>
    </message>
</context>
<context>
    <name>AppTray</name>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>running in a tray</source>
        <translation>работает в области уведомлений</translation>
    </message>
</context>
<context>
    <name>Changelog</name>
    <message>
        <source>Changelog</source>
        <translation>Список изменений</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Build:</source>
        <translation>Сборка:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Канал:</translation>
    </message>
    <message>
        <source>Changelog:</source>
        <translation>Изменения:</translation>
    </message>
    <message>
        <source>changelog has been updated</source>
        <translation>список изменений обновлён</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Can&apos;t get changelog information.</source>
        <translation>Не удалось получить список изменений.</translation>
    </message>
    <message>
        <source>Make sure you have network connection.</source>
        <translation>Проверьте подключение к сети.</translation>
    </message>
    <message>
        <source>Update localization error!</source>
        <translation>Ошибка локализации обновления!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Do you really want to delete the changelog? This action cannot be undone.</source>
        <translation>Вы действительно хотите удалить список изменений? Это действие нельзя отменить.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Changelog was successfully cleared.</source>
        <translation>Список изменений очищен.</translation>
    </message>
</context>
<context>
    <name>CommandCatalogue</name>
    <message>
        <source>Do you want to delete this hosted network profile?</source>
        <translation>Удалить профиль этой размещённой сети?</translation>
    </message>
    <message>
        <source>Do you want to delete this network profile?</source>
        <translation>Удалить этот профиль сети?</translation>
    </message>
</context>
<context>
    <name>CommandLauncher</name>
    <message>
        <source>network name</source>
        <translation>имя сети</translation>
    </message>
    <message>
        <source>network password</source>
        <translation>пароль сети</translation>
    </message>
    <message>
        <source>network profile</source>
        <translation>профиль сети</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>The %1 contains a character that cannot be passed to a command (quotes, %, !, ^, &amp;, |, angle brackets or a line break). The command was not run.</source>
        <translation>Поле «%1» содержит символ, который нельзя передать команде (кавычки, %, !, ^, &amp;, |, угловые скобки или перевод строки). Команда не выполнена.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>You need the admin privileges to use this feature with Config Manager!</source>
        <translation>Для работы этой функции с диспетчером конфигурации нужны права администратора!</translation>
    </message>
    <message>
        <source>Do you want to run this command in console?</source>
        <translation>Выполнить эту команду в консоли?</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
</context>
<context>
    <name>ConfigManager</name>
    <message>
        <source>Config Manager</source>
        <translation>Диспетчер конфигурации</translation>
    </message>
    <message>
        <source>The command could not be started: %1</source>
        <translation>Не удалось запустить команду: %1</translation>
    </message>
</context>
<context>
    <name>ConnectAP</name>
    <message>
        <source>Connect</source>
        <translation>Подключиться</translation>
    </message>
    <message>
        <source>Enter your password</source>
        <translation>Введите пароль</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Show characters</source>
        <translation>Показать символы</translation>
    </message>
    <message>
        <source>Save my password</source>
        <translation>Сохранить пароль</translation>
    </message>
    <message>
        <source>Connect automatically</source>
        <translation>Подключаться автоматически</translation>
    </message>
    <message>
        <source>chosen network</source>
        <translation>выбрана сеть</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключиться</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Failed to cancel the network connection!</source>
        <translation>Не удалось отменить подключение к сети!</translation>
    </message>
    <message>
        <source>Error code:</source>
        <translation>Код ошибки:</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Enter your password to connect to this network!</source>
        <translation>Введите пароль для подключения к этой сети!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Do you want to disconnect?</source>
        <translation>Отключиться от сети?</translation>
    </message>
</context>
<context>
    <name>ConnectHAP</name>
    <message>
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Enter the name of the network</source>
        <translation>Введите имя сети</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключиться</translation>
    </message>
    <message>
        <source>Not required</source>
        <translation>Не требуется</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Подключение</translation>
    </message>
</context>
<context>
    <name>ConnectionFlow</name>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Select the network to proceed!</source>
        <translation>Выберите сеть, чтобы продолжить!</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Do you want to disconnect?</source>
        <translation>Отключиться от сети?</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Networks that need a user name and a certificate (enterprise networks) cannot be connected from this program.</source>
        <translation>К сетям, которым нужны имя пользователя и сертификат (корпоративным сетям), эта программа подключиться не может.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>You successfully connected to</source>
        <translation>Вы успешно подключились к</translation>
    </message>
    <message>
        <source>connected to</source>
        <translation>подключено к сети</translation>
    </message>
    <message>
        <source>on</source>
        <translation>через</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Not connected!</source>
        <translation>Не подключено!</translation>
    </message>
    <message>
        <source>Error code:</source>
        <translation>Код ошибки:</translation>
    </message>
    <message>
        <source>Check your password and try again.</source>
        <translation>Проверьте пароль и повторите попытку.</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Не подключено</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>You successfully disconnected from</source>
        <translation>Вы успешно отключились от</translation>
    </message>
    <message>
        <source>disconnected from the</source>
        <translation>отключено от сети</translation>
    </message>
    <message>
        <source>disconnected from the network</source>
        <translation>отключено от сети</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключиться</translation>
    </message>
    <message>
        <source>Failed to cancel the network connection!</source>
        <translation>Не удалось отменить подключение к сети!</translation>
    </message>
    <message>
        <source>Profile has been successfully removed!</source>
        <translation>Профиль успешно удалён!</translation>
    </message>
    <message>
        <source>Could not delete network profile!</source>
        <translation>Не удалось удалить профиль сети!</translation>
    </message>
</context>
<context>
    <name>CrashRecovery</name>
    <message>
        <source>the previous run ended with an unexpected error</source>
        <translation>предыдущий запуск завершился непредвиденной ошибкой</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Unexpected error has occurred! Do you want to submit the feedback?</source>
        <translation>Произошла непредвиденная ошибка! Хотите отправить отзыв?</translation>
    </message>
</context>
<context>
    <name>Feedback</name>
    <message>
        <source>Feedback</source>
        <translation>Обратная связь</translation>
    </message>
    <message>
        <source>Feedback type</source>
        <translation>Тип отзыва</translation>
    </message>
    <message>
        <source>Problem with the application</source>
        <translation>Проблема с приложением</translation>
    </message>
    <message>
        <source>Feature request or suggestion</source>
        <translation>Запрос функции или предложение</translation>
    </message>
    <message>
        <source>Just vote for the application</source>
        <translation>Просто оценить приложение</translation>
    </message>
    <message>
        <source>Rate this application</source>
        <translation>Оцените это приложение</translation>
    </message>
    <message>
        <source>Tell us more</source>
        <translation>Расскажите подробнее</translation>
    </message>
    <message>
        <source>Provide the details about your issue</source>
        <translation>Опишите вашу проблему подробно</translation>
    </message>
    <message>
        <source>Include my email</source>
        <translation>Указать мой адрес эл. почты</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Ваш адрес эл. почты</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>No file is selected</source>
        <translation>Файл не выбран</translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation>Отправить отзыв</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Development</source>
        <translation>Разработка</translation>
    </message>
    <message>
        <source>Insider</source>
        <translation>Инсайдер</translation>
    </message>
    <message>
        <source>Beta</source>
        <translation>Бета</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Релиз</translation>
    </message>
    <message>
        <source>Attachment</source>
        <translation>Вложение</translation>
    </message>
    <message>
        <source>max. 20.0 MB</source>
        <translation>макс. 20.0 МБ</translation>
    </message>
    <message>
        <source>Select files</source>
        <translation>Выбор файлов</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Изображения</translation>
    </message>
    <message>
        <source>Crash dumps</source>
        <translation>Дампы сбоев</translation>
    </message>
    <message>
        <source>The size of selected data is too big (max. 20.0 MB)!</source>
        <translation>Размер выбранных данных слишком велик (макс. 20.0 МБ)!</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Выбрано</translation>
    </message>
    <message>
        <source>files</source>
        <translation>файлов</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>КБ</translation>
    </message>
    <message>
        <source>Click to open</source>
        <translation>Нажмите, чтобы открыть</translation>
    </message>
    <message>
        <source>Failed to open the file!</source>
        <translation>Не удалось открыть файл!</translation>
    </message>
    <message>
        <source>Application name:</source>
        <translation>Название приложения:</translation>
    </message>
    <message>
        <source>Application build:</source>
        <translation>Сборка приложения:</translation>
    </message>
    <message>
        <source>Application channel:</source>
        <translation>Канал приложения:</translation>
    </message>
    <message>
        <source>Application architecture:</source>
        <translation>Архитектура приложения:</translation>
    </message>
    <message>
        <source>Creation date:</source>
        <translation>Дата создания:</translation>
    </message>
    <message>
        <source>Application rate:</source>
        <translation>Оценка приложения:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Сообщение:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Эл. почта:</translation>
    </message>
    <message>
        <source>Attachments:</source>
        <translation>Вложения:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Feedback field is empty!</source>
        <translation>Поле отзыва пустое!</translation>
    </message>
    <message>
        <source>You forgot to rate this application!</source>
        <translation>Вы забыли оценить приложение!</translation>
    </message>
    <message>
        <source>Email field is empty!</source>
        <translation>Поле адреса эл. почты пустое!</translation>
    </message>
    <message>
        <source>Please enter a valid email address!</source>
        <translation>Введите правильный адрес эл. почты!</translation>
    </message>
    <message>
        <source>Network connection is not available! Check your network and try again.</source>
        <translation>Сетевое подключение недоступно! Проверьте сеть и повторите попытку.</translation>
    </message>
    <message>
        <source>Thank you for the feedback!</source>
        <translation>Спасибо за отзыв!</translation>
    </message>
    <message>
        <source>feedback was successfully sent</source>
        <translation>отзыв успешно отправлен</translation>
    </message>
    <message>
        <source>No network connection is available at this moment!</source>
        <translation>Сетевое подключение сейчас недоступно!</translation>
    </message>
    <message>
        <source>Failed to send the feedback!</source>
        <translation>Не удалось отправить отзыв!</translation>
    </message>
</context>
<context>
    <name>FontInstaller</name>
    <message>
        <source>Failed to copy the font</source>
        <translation>Не удалось скопировать шрифт</translation>
    </message>
</context>
<context>
    <name>GetSpecs</name>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Unknown RAM capacity</source>
        <translation>Объём ОЗУ неизвестен</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>ГБ</translation>
    </message>
    <message>
        <source>OS:</source>
        <translation>ОС:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation>Архитектура:</translation>
    </message>
    <message>
        <source>RAM:</source>
        <translation>ОЗУ:</translation>
    </message>
    <message>
        <source>Computer name:</source>
        <translation>Имя компьютера:</translation>
    </message>
    <message>
        <source>Failed to initialize COM library. Error code:</source>
        <translation>Не удалось инициализировать библиотеку COM. Код ошибки:</translation>
    </message>
    <message>
        <source>Failed to create IWbemLocator object. Error code:</source>
        <translation>Не удалось создать объект IWbemLocator. Код ошибки:</translation>
    </message>
    <message>
        <source>Could not connect. Error code:</source>
        <translation>Не удалось подключиться. Код ошибки:</translation>
    </message>
    <message>
        <source>Could not set proxy blanket. Error code:</source>
        <translation>Не удалось задать параметры безопасности прокси (proxy blanket). Код ошибки:</translation>
    </message>
    <message>
        <source>Query for processes failed. Error code:</source>
        <translation>Не удалось выполнить запрос к WMI. Код ошибки:</translation>
    </message>
</context>
<context>
    <name>HostlensLauncher</name>
    <message>
        <source>Application was not found! Would you like to provide path to the application?</source>
        <translation>Приложение не найдено! Хотите указать путь к приложению?</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>You can purchase it here:</source>
        <translation>Его можно приобрести здесь:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Failed to open the information about the application!</source>
        <translation>Не удалось открыть сведения о приложении!</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Failed to open the application! Make sure it is installed.</source>
        <translation>Не удалось открыть приложение! Убедитесь, что оно установлено.</translation>
    </message>
</context>
<context>
    <name>InsiderNotification</name>
    <message>
        <source>Insider notification</source>
        <translation>Уведомление для инсайдеров</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Больше не показывать</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>New insider build</source>
        <translation>Новая инсайдерская сборка</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>is available! Do you want to install it?</source>
        <translation>доступна! Установить её?</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Примечание:</translation>
    </message>
    <message>
        <source>If you click install you will be automatically set to Insider updates channel</source>
        <translation>При установке вы будете автоматически переведены на инсайдерский канал обновлений</translation>
    </message>
</context>
<context>
    <name>LastCheckedText</name>
    <message>
        <source>last updates checked on</source>
        <translation>дата последней проверки обновлений</translation>
    </message>
</context>
<context>
    <name>LicenseAgreement</name>
    <message>
        <source>License agreement</source>
        <translation>Лицензионное соглашение</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>License file was not found!</source>
        <translation>Файл лицензии не найден!</translation>
    </message>
</context>
<context>
    <name>LocalizationError</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>No localization file was found!</source>
        <translation>Файл локализации не найден!</translation>
    </message>
    <message>
        <source>Reinstall the application to fix this problem.</source>
        <translation>Переустановите программу, чтобы устранить проблему.</translation>
    </message>
</context>
<context>
    <name>Log</name>
    <message>
        <source>Log</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Log file was successfully saved!</source>
        <translation>Файл журнала успешно сохранён!</translation>
    </message>
    <message>
        <source>Log path:</source>
        <translation>Путь к журналу:</translation>
    </message>
    <message>
        <source>Text Documents</source>
        <translation>Текстовые документы</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Log file was successfully deleted!</source>
        <translation>Файл журнала успешно удалён!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Log file is not exists!</source>
        <translation>Файл журнала не существует!</translation>
    </message>
    <message>
        <source>Network connection is not available! Check your network and try again.</source>
        <translation>Сетевое подключение недоступно! Проверьте сеть и повторите попытку.</translation>
    </message>
    <message>
        <source>Log file was successfully sent!</source>
        <translation>Файл журнала успешно отправлен!</translation>
    </message>
    <message>
        <source>Failed to send the log file!</source>
        <translation>Не удалось отправить файл журнала!</translation>
    </message>
    <message>
        <source>You are offline. Go online and try again!</source>
        <translation>Вы не в сети. Подключитесь к сети и повторите попытку!</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>Languages</source>
        <translation>Языки</translation>
    </message>
    <message>
        <source>Themes</source>
        <translation>Темы</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Not available in this build</source>
        <translation>Недоступно в этой сборке</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Hostlens</source>
        <translation>Hostlens</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключиться</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Обратная связь</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Обновления</translation>
    </message>
    <message>
        <source>Changelog</source>
        <translation>Список изменений</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>About Hostlens Home</source>
        <translation>О Hostlens Home</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>Auto select</source>
        <translation>Автовыбор</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлая</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Серая</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмная</translation>
    </message>
</context>
<context>
    <name>MainWindowChrome</name>
    <message>
        <source>default language selected</source>
        <translation>выбран язык по умолчанию</translation>
    </message>
    <message>
        <source>english language selected</source>
        <translation>выбран английский язык</translation>
    </message>
    <message>
        <source>russian language selected</source>
        <translation>выбран русский язык</translation>
    </message>
    <message>
        <source>ukrainian language selected</source>
        <translation>выбран украинский язык</translation>
    </message>
    <message>
        <source>theme was successfully changed</source>
        <translation>тема успешно изменена</translation>
    </message>
</context>
<context>
    <name>ManageStartup</name>
    <message>
        <source>launching the program</source>
        <translation>запуск программы</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>check for updates at startup</source>
        <translation>проверка обновлений при запуске</translation>
    </message>
    <message>
        <source>No network connection has been found!</source>
        <translation>Подключение к сети не найдено!</translation>
    </message>
    <message>
        <source>Check for update has been skipped!</source>
        <translation>Проверка обновлений пропущена!</translation>
    </message>
    <message>
        <source>Failed to check for the updates!</source>
        <translation>Не удалось проверить обновления!</translation>
    </message>
    <message>
        <source>the program starts in the notification area</source>
        <translation>программа запускается в области уведомлений</translation>
    </message>
</context>
<context>
    <name>MsgDialog</name>
    <message>
        <source>Error code:</source>
        <translation>Код ошибки:</translation>
    </message>
</context>
<context>
    <name>NetworkInfoPanel</name>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
</context>
<context>
    <name>NetworkLists</name>
    <message>
        <source>No wireless data is available! Click refresh to access data.</source>
        <translation>Нет данных о беспроводных сетях! Нажмите «Обновить», чтобы получить данные.</translation>
    </message>
    <message>
        <source>No wireless profiles are available.</source>
        <translation>Нет доступных профилей беспроводных сетей.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Подключение</translation>
    </message>
</context>
<context>
    <name>NetworkManager</name>
    <message>
        <source>bytes/s</source>
        <translation>байт/с</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>КБ/с</translation>
    </message>
    <message>
        <source>MB/s</source>
        <translation>МБ/с</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>КБ</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
</context>
<context>
    <name>NotifyAP</name>
    <message>
        <source>Notification</source>
        <translation>Уведомление</translation>
    </message>
    <message>
        <source>Open network is available</source>
        <translation>Доступна открытая сеть</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Network:</source>
        <translation>Сеть:</translation>
    </message>
    <message>
        <source>Signal:</source>
        <translation>Сигнал:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Больше не показывать</translation>
    </message>
    <message>
        <source>Connect now</source>
        <translation>Подключиться сейчас</translation>
    </message>
    <message>
        <source>Remind later</source>
        <translation>Напомнить позже</translation>
    </message>
    <message>
        <source>Set timer:</source>
        <translation>Напомнить:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Failed to resume the WMI service!</source>
        <translation>Не удалось возобновить работу службы WMI!</translation>
    </message>
    <message>
        <source>Failed to start the WMI service!</source>
        <translation>Не удалось запустить службу WMI!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключиться</translation>
    </message>
    <message>
        <source>Failed to cancel the network connection!</source>
        <translation>Не удалось отменить подключение к сети!</translation>
    </message>
    <message>
        <source>Error code:</source>
        <translation>Код ошибки:</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Do you want to disconnect?</source>
        <translation>Отключиться от сети?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>You can&apos;t select this date! Choose another date!</source>
        <translation>Эту дату выбрать нельзя! Выберите другую дату!</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Имя пользователя:</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
</context>
<context>
    <name>ProgramWiring</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Failed to remove the old build!</source>
        <translation>Не удалось удалить старую сборку!</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Do you want to open another instance?</source>
        <translation>Открыть ещё один экземпляр программы?</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>Development</source>
        <translation>Разработка</translation>
    </message>
    <message>
        <source>Insider</source>
        <translation>Инсайдерский</translation>
    </message>
    <message>
        <source>Beta</source>
        <translation>Бета</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Релиз</translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>Updates</source>
        <translation>Обновления</translation>
    </message>
    <message>
        <source>Updates are disabled. Do you want to enable it?</source>
        <translation>Обновления отключены. Включить их?</translation>
    </message>
    <message>
        <source>last updates checked on</source>
        <translation>последняя проверка обновлений</translation>
    </message>
    <message>
        <source>check for updates</source>
        <translation>проверка обновлений</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новая версия</translation>
    </message>
    <message>
        <source>build:</source>
        <translation>сборка:</translation>
    </message>
    <message>
        <source>is available, would you like to download it?</source>
        <translation>доступна. Загрузить её?</translation>
    </message>
    <message>
        <source>is up to date</source>
        <translation>— установлена последняя версия</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Failed to check for the updates!</source>
        <translation>Не удалось проверить наличие обновлений!</translation>
    </message>
    <message>
        <source>Network connection is not available! Check your network and try again.</source>
        <translation>Нет подключения к сети! Проверьте сеть и повторите попытку.</translation>
    </message>
</context>
<context>
    <name>Updates</name>
    <message>
        <source>Download path:</source>
        <translation>Папка загрузки:</translation>
    </message>
    <message>
        <source>Install path:</source>
        <translation>Папка установки:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>Downloading:</source>
        <translation>Загружено:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation>Прошло:</translation>
    </message>
    <message>
        <source>Remaining:</source>
        <translation>Осталось:</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Failed to open the download directory!</source>
        <translation>Не удалось открыть папку загрузки!</translation>
    </message>
    <message>
        <source>Failed to open the install directory!</source>
        <translation>Не удалось открыть папку установки!</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Failed to start the update installer!</source>
        <translation>Не удалось запустить установщик обновления!</translation>
    </message>
    <message>
        <source>update was successfully installed!</source>
        <translation>обновление успешно установлено!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>File was not found! Do you want to restart update now?</source>
        <translation>Файл не найден! Перезапустить обновление?</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Обновления</translation>
    </message>
    <message>
        <source>Do you want to cancel update?</source>
        <translation>Отменить обновление?</translation>
    </message>
    <message>
        <source>Failed to delete the update file!</source>
        <translation>Не удалось удалить файл обновления!</translation>
    </message>
    <message>
        <source>No network connection has been found!</source>
        <translation>Подключение к сети не найдено!</translation>
    </message>
    <message>
        <source>Check for update has been skipped!</source>
        <translation>Проверка обновлений пропущена!</translation>
    </message>
    <message>
        <source>Update process has been failed!</source>
        <translation>Не удалось выполнить обновление!</translation>
    </message>
    <message>
        <source>Status code</source>
        <translation>Код состояния</translation>
    </message>
    <message>
        <source>Error code</source>
        <translation>Код ошибки</translation>
    </message>
    <message>
        <source>Do you want to restart update now?</source>
        <translation>Перезапустить обновление?</translation>
    </message>
    <message>
        <source>UpdateTitle</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Состояние:</translation>
    </message>
    <message>
        <source>cancelling...</source>
        <translation>отмена...</translation>
    </message>
    <message>
        <source>Downloaded:</source>
        <translation>Загружено:</translation>
    </message>
    <message>
        <source>Downloaded successfully!</source>
        <translation>Загрузка завершена!</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source>Build</source>
        <translation>Сборка</translation>
    </message>
    <message>
        <source>Development</source>
        <translation>Разработка</translation>
    </message>
    <message>
        <source>Insider</source>
        <translation>Инсайдерский</translation>
    </message>
    <message>
        <source>Beta</source>
        <translation>Бета</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Релиз</translation>
    </message>
</context>
<context>
    <name>WirelessConnect</name>
    <message>
        <source>Hidden network</source>
        <translation>Скрытая сеть</translation>
    </message>
    <message>
        <source>Your security key/network name is not correct!</source>
        <translation>Неверный ключ безопасности или имя сети!</translation>
    </message>
    <message>
        <source>Error code:</source>
        <translation>Код ошибки:</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Повторите попытку.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Not required</source>
        <translation>Не требуется</translation>
    </message>
    <message>
        <source>Credentials</source>
        <translation>Учётные данные</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Требуется</translation>
    </message>
    <message>
        <source>Not ready</source>
        <translation>Не готов</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>First node in a ad hoc network</source>
        <translation>Первый узел в сети ad hoc</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Отключение</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Не подключено</translation>
    </message>
    <message>
        <source>Attempting to associate with a network</source>
        <translation>Попытка ассоциации с сетью</translation>
    </message>
    <message>
        <source>Auto configuration is discovering settings for the network</source>
        <translation>Автонастройка определяет параметры сети</translation>
    </message>
    <message>
        <source>In process of authenticating</source>
        <translation>Выполняется проверка подлинности</translation>
    </message>
    <message>
        <source>No profile</source>
        <translation>Нет профиля</translation>
    </message>
    <message>
        <source>Has profile</source>
        <translation>Есть профиль</translation>
    </message>
    <message>
        <source>The profile is the active console user&apos;s per user profile</source>
        <translation>Личный профиль активного пользователя консоли</translation>
    </message>
    <message>
        <source>Interworking is supported</source>
        <translation>Поддерживается Interworking</translation>
    </message>
    <message>
        <source>Hotspot2 is enabled</source>
        <translation>Hotspot 2.0 включён</translation>
    </message>
    <message>
        <source>Hotspot2 is connected</source>
        <translation>Hotspot 2.0 подключён</translation>
    </message>
    <message>
        <source>ANQP is supported</source>
        <translation>Поддерживается ANQP</translation>
    </message>
    <message>
        <source>Domain network</source>
        <translation>Доменная сеть</translation>
    </message>
    <message>
        <source>Roaming network</source>
        <translation>Сеть в роуминге</translation>
    </message>
    <message>
        <source>This network failed to connect</source>
        <translation>Не удалось подключиться к этой сети</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другой</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <translation>Инфраструктура</translation>
    </message>
    <message>
        <source>Independent</source>
        <translation>Независимая</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Любой</translation>
    </message>
    <message>
        <source>Emulated WiFi</source>
        <translation>Эмулированный Wi-Fi</translation>
    </message>
    <message>
        <source>Native WiFi</source>
        <translation>Встроенный Wi-Fi</translation>
    </message>
    <message>
        <source>Invalid interface</source>
        <translation>Недопустимый интерфейс</translation>
    </message>
    <message>
        <source>Extensible Station</source>
        <translation>Расширяемая станция</translation>
    </message>
    <message>
        <source>Network Monitor</source>
        <translation>Сетевой монитор</translation>
    </message>
    <message>
        <source>Failed with error code</source>
        <translation>Сбой с кодом ошибки</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>МГц</translation>
    </message>
    <message>
        <source>Dual-Band</source>
        <translation>Двухдиапазонная</translation>
    </message>
    <message>
        <source>GHz</source>
        <translation>ГГц</translation>
    </message>
</context>
</TS>
