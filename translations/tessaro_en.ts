<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>tessaro</name>
    <message>
        <source>Подключиться</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Стоимость обучения: $%1</source>
        <translation>Course fee: $%1</translation>
    </message>
    <message>
        <source>Необходима системная плата с %1</source>
        <translation>You need a motherboard with %1.</translation>
    </message>
    <message>
        <source>Если продать %1, то %2 - $%3</source>
        <translation>With %1 traded in, %2 costs $%3</translation>
    </message>
    <message>
        <source>У вас не хватает $%1</source>
        <translation>You are $%1 short.</translation>
    </message>
    <message>
        <source>Вам удалось продать этот проект за $%1</source>
        <translation>You sold this project for $%1.</translation>
    </message>
    <message>
        <source>Вас обнаружили. Штраф $%1</source>
        <translation>You were caught. Fined $%1</translation>
    </message>
    <message>
        <source>Задание выполнено. На ваш счет переведено $%1</source>
        <translation>Mission complete. $%1 paid to your account</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Медиа проигрыватель</source>
        <translation>Media player</translation>
    </message>
    <message>
        <source>Текстовый редактор</source>
        <translation>Text editor</translation>
    </message>
    <message>
        <source>Файловый менеджер</source>
        <translation>File manager</translation>
    </message>
    <message>
        <source>Менеджер закачек</source>
        <translation>Download manager</translation>
    </message>
    <message>
        <source>Антивирус</source>
        <translation>Antivirus</translation>
    </message>
    <message>
        <source>Интернет-браузер</source>
        <translation>Web browser</translation>
    </message>
    <message>
        <source>Интернет браузер</source>
        <translation>Web browser</translation>
    </message>
    <message>
        <source>Операционная система</source>
        <translation>Operating system</translation>
    </message>
    <message>
        <source>Web-сайт</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Необходимо продать старый проект</source>
        <translation>Sell your finished project first.</translation>
    </message>
    <message>
        <source>Установить Borland Delphi 7.0</source>
        <translation>Install Borland Delphi 7.0</translation>
    </message>
    <message>
        <source>Установить Borland C++ Builder 6.0</source>
        <translation>Install Borland C++ Builder 6.0</translation>
    </message>
    <message>
        <source>Установить Borland Kylix 1.0</source>
        <translation>Install Borland Kylix 2.0</translation>
    </message>
    <message>
        <source>Установить Microsoft Visual Basic.net</source>
        <translation>Install Microsoft Visual Basic.net</translation>
    </message>
    <message>
        <source>Установить Macromedia Dreamweaver MX</source>
        <translation>Install Macromedia Dreamweaver MX</translation>
    </message>
    <message>
        <source>Установить Macromedia Flash MX</source>
        <translation>Install Macromedia Flash MX</translation>
    </message>
    <message>
        <source>Установить Adobe Photoshop 7.0</source>
        <translation>Install Adobe Photoshop 7.0</translation>
    </message>
    <message>
        <source>Установить 3D Studio MAX 5.0</source>
        <translation>Install 3D Studio MAX 5.0</translation>
    </message>
    <message>
        <source>Установить Microsoft Office 98</source>
        <translation>Install Microsoft Office 97</translation>
    </message>
    <message>
        <source>Обучение возможно</source>
        <translation>You can take this course</translation>
    </message>
    <message>
        <source>Обучение невозможно</source>
        <translation>You cannot take this course</translation>
    </message>
    <message>
        <source>Не все условия были выполнены</source>
        <translation>Not every requirement is met</translation>
    </message>
    <message>
        <source>Сходить в компьютерный клуб</source>
        <translation>Go to a computer club</translation>
    </message>
    <message>
        <source>Стоимость: $5</source>
        <translation>Cost: $5</translation>
    </message>
    <message>
        <source>Посетить с друзьями кафе</source>
        <translation>Go to a café with friends</translation>
    </message>
    <message>
        <source>Стоимость: $10</source>
        <translation>Cost: $10</translation>
    </message>
    <message>
        <source>Покататься на скейте в скейтпарке</source>
        <translation>Go skateboarding at the skate park</translation>
    </message>
    <message>
        <source>Стоимость: $20</source>
        <translation>Cost: $20</translation>
    </message>
    <message>
        <source>Сходить на дискотеку</source>
        <translation>Go to a disco</translation>
    </message>
    <message>
        <source>Стоимость: $30</source>
        <translation>Cost: $30</translation>
    </message>
    <message>
        <source>Заняться киберсексом</source>
        <translation>Have cybersex</translation>
    </message>
    <message>
        <source>Стоимость: $50</source>
        <translation>Cost: $50</translation>
    </message>
    <message>
        <source>Вам удалось уничтожить вирус.</source>
        <translation>You destroyed the virus.</translation>
    </message>
    <message>
        <source>Вирус не причинил вреда.</source>
        <translation>The virus did no harm.</translation>
    </message>
    <message>
        <source>Накрылась операционная система.</source>
        <translation>The operating system is wrecked.</translation>
    </message>
    <message>
        <source>Ламер</source>
        <translation>Lamer</translation>
    </message>
    <message>
        <source>Пользователь</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Программист</source>
        <translation>Programmer</translation>
    </message>
    <message>
        <source>Хакер</source>
        <translation>Hacker</translation>
    </message>
    <message>
        <source>У вас плохое настроение. К сожалению вы проиграли</source>
        <translation>You are in a bad mood. Sorry, you lost.</translation>
    </message>
    <message>
        <source>Закончились все деньги. К сожалению вы проиграли</source>
        <translation>You have run out of money. Sorry, you lost.</translation>
    </message>
    <message>
        <source>Пособие по безработице $1/день</source>
        <translation>Unemployment benefit $1/day</translation>
    </message>
    <message>
        <source>Системная плата</source>
        <translation>Motherboard</translation>
    </message>
    <message>
        <source>старую</source>
        <translation>the old one</translation>
    </message>
    <message>
        <source>Процессор</source>
        <translation>Processor</translation>
    </message>
    <message>
        <source>старый</source>
        <translation>the old one</translation>
    </message>
    <message>
        <source>Память</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>Жесткий диск</source>
        <translation>Hard disk</translation>
    </message>
    <message>
        <source>Видео карта</source>
        <translation>Video card</translation>
    </message>
    <message>
        <source>Звуковая карта</source>
        <translation>Sound card</translation>
    </message>
    <message>
        <source>Монитор</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>CD/DVD-Привод</source>
        <translation>CD/DVD drive</translation>
    </message>
    <message>
        <source>Модем</source>
        <translation>Modem</translation>
    </message>
    <message>
        <source>Необходима любая системная плата</source>
        <translation>You need a motherboard first.</translation>
    </message>
    <message>
        <source>Набор номера...</source>
        <translation>Dialing...</translation>
    </message>
    <message>
        <source>Телефонная линия занята</source>
        <translation>The line is busy</translation>
    </message>
    <message>
        <source>Проверка имени пользователя и пароля...</source>
        <translation>Verifying user name and password...</translation>
    </message>
    <message>
        <source>Регистрация компьютера в сети...</source>
        <translation>Registering your computer on the network...</translation>
    </message>
    <message>
        <source>Отключить</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Вам не удалось продать этот проект и у вас понизилось настроение</source>
        <translation>Nobody bought this project, and your mood has dropped.</translation>
    </message>
    <message>
        <source>Используем Brutus AET2...</source>
        <translation>Running Brutus AET2...</translation>
    </message>
    <message>
        <source>Попытка взлома пароля...</source>
        <translation>Trying to crack the password...</translation>
    </message>
    <message>
        <source>Сканируем порты...</source>
        <translation>Scanning ports...</translation>
    </message>
    <message>
        <source>Применяем IP Tools 1.1...</source>
        <translation>Running IP Tools 1.1...</translation>
    </message>
    <message>
        <source>Подключаемся ftp.filearchive.example...</source>
        <translation>Connecting to ftp.filearchive.example...</translation>
    </message>
    <message>
        <source>Взлом FTP-сервера</source>
        <translation>Hack an FTP server</translation>
    </message>
    <message>
        <source>Требуется Brutus AET2</source>
        <translation>Requires Brutus AET2</translation>
    </message>
    <message>
        <source>Взломать FTP-сервер и вскрыть запароленный файл</source>
        <translation>Hack an FTP server and crack a locked file</translation>
    </message>
    <message>
        <source>Требуется Advanced Archive Password Recovery</source>
        <translation>Requires Advanced Archive Password Recovery</translation>
    </message>
    <message>
        <source>Получить доступ к удаленному компьютеру</source>
        <translation>Get into a remote computer</translation>
    </message>
    <message>
        <source>Требуется X-Sharez</source>
        <translation>Requires X-Sharez</translation>
    </message>
    <message>
        <source>Требуется LANguard Port Scanner</source>
        <translation>Requires LANguard Port Scanner</translation>
    </message>
    <message>
        <source>Требуется IP Tools 1.1</source>
        <translation>Requires IP Tools 1.1</translation>
    </message>
    <message>
        <source>Сканируем сеть...</source>
        <translation>Scanning the network...</translation>
    </message>
    <message>
        <source>Получить доступ к компьютеру и взломать архив</source>
        <translation>Get into a computer and crack an archive</translation>
    </message>
    <message>
        <source>Взлом web-сайта</source>
        <translation>Hack a website</translation>
    </message>
    <message>
        <source>Требуется знание Perl</source>
        <translation>Requires Perl skills</translation>
    </message>
    <message>
        <source>Требуется знание PHP</source>
        <translation>Requires PHP skills</translation>
    </message>
    <message>
        <source>Требуется знание HTML</source>
        <translation>Requires HTML skills</translation>
    </message>
    <message>
        <source>Тестируем CGI на уязвимость...</source>
        <translation>Probing the CGI scripts for holes...</translation>
    </message>
    <message>
        <source>Дефейс главной страницы...</source>
        <translation>Defacing the home page...</translation>
    </message>
    <message>
        <source>Стоимость: $300</source>
        <translation>Cost: $300</translation>
    </message>
    <message>
        <source>Стоимость: $500</source>
        <translation>Cost: $500</translation>
    </message>
    <message>
        <source>Верстальщик</source>
        <translation>Typesetter</translation>
    </message>
    <message>
        <source>Верстальщик $3/день</source>
        <translation>Typesetter $3/day</translation>
    </message>
    <message>
        <source>$3/день</source>
        <translation>$3/day</translation>
    </message>
    <message>
        <source>Знать Microsoft Office 98</source>
        <translation>Know Microsoft Office 98</translation>
    </message>
    <message>
        <source>Программист $5/день</source>
        <translation>Programmer $5/day</translation>
    </message>
    <message>
        <source>$5/день</source>
        <translation>$5/day</translation>
    </message>
    <message>
        <source>Знать Borlad Delphi</source>
        <translation>Know Borland Delphi</translation>
    </message>
    <message>
        <source>Знать Microsoft Windows 9x/Me</source>
        <translation>Know Microsoft Windows 9x/Me</translation>
    </message>
    <message>
        <source>Web-дизайнер</source>
        <translation>Web designer</translation>
    </message>
    <message>
        <source>Web-дизайнер $7/день</source>
        <translation>Web designer $7/day</translation>
    </message>
    <message>
        <source>$7/день</source>
        <translation>$7/day</translation>
    </message>
    <message>
        <source>Знать Macromedia Flash</source>
        <translation>Know Macromedia Flash</translation>
    </message>
    <message>
        <source>Знать Macromedia Dreamweaver</source>
        <translation>Know Macromedia Dreamweaver</translation>
    </message>
    <message>
        <source>Владеть технологией HTML</source>
        <translation>Know HTML</translation>
    </message>
    <message>
        <source>Программист $10/день</source>
        <translation>Programmer $10/day</translation>
    </message>
    <message>
        <source>$10/день</source>
        <translation>$10/day</translation>
    </message>
    <message>
        <source>Знать Borland C++ Buider</source>
        <translation>Know Borland C++ Builder</translation>
    </message>
    <message>
        <source>Знать Microsoft Windows 2000/XP</source>
        <translation>Know Microsoft Windows 2000/XP</translation>
    </message>
    <message>
        <source>Дизайнер</source>
        <translation>Designer</translation>
    </message>
    <message>
        <source>Дизайнер $12/день</source>
        <translation>Designer $12/day</translation>
    </message>
    <message>
        <source>$12/день</source>
        <translation>$12/day</translation>
    </message>
    <message>
        <source>Знать 3D Studio MAX</source>
        <translation>Know 3D Studio MAX</translation>
    </message>
    <message>
        <source>Знать Adobe Photoshop</source>
        <translation>Know Adobe Photoshop</translation>
    </message>
    <message>
        <source>Web-программист</source>
        <translation>Web programmer</translation>
    </message>
    <message>
        <source>Web-программист $15/день</source>
        <translation>Web programmer $15/day</translation>
    </message>
    <message>
        <source>$15/день</source>
        <translation>$15/day</translation>
    </message>
    <message>
        <source>Владеть технологией PHP</source>
        <translation>Know PHP</translation>
    </message>
    <message>
        <source>Владеть технологией Perl</source>
        <translation>Know Perl</translation>
    </message>
    <message>
        <source>Знать MySQL Server</source>
        <translation>Know MySQL Server</translation>
    </message>
    <message>
        <source>Знать Apache Web Server</source>
        <translation>Know Apache Web Server</translation>
    </message>
    <message>
        <source>Программист $17/день</source>
        <translation>Programmer $17/day</translation>
    </message>
    <message>
        <source>$17/день</source>
        <translation>$17/day</translation>
    </message>
    <message>
        <source>Знать Microsoft Visual Basic.net</source>
        <translation>Know Microsoft Visual Basic.net</translation>
    </message>
    <message>
        <source>Web-мастер</source>
        <translation>Webmaster</translation>
    </message>
    <message>
        <source>Web-мастер $20/день</source>
        <translation>Webmaster $20/day</translation>
    </message>
    <message>
        <source>$20/день</source>
        <translation>$20/day</translation>
    </message>
    <message>
        <source>Владеть всеми web-технологии</source>
        <translation>Know every web technology</translation>
    </message>
    <message>
        <source>Linux-программист</source>
        <translation>Linux programmer</translation>
    </message>
    <message>
        <source>Linux-программист $25/день</source>
        <translation>Linux programmer $25/day</translation>
    </message>
    <message>
        <source>$25/день</source>
        <translation>$25/day</translation>
    </message>
    <message>
        <source>Знать Linux Mandrake 9.0</source>
        <translation>Know Linux Mandrake 9.0</translation>
    </message>
    <message>
        <source>Знать Borland Kylix 2.0</source>
        <translation>Know Borland Kylix 2.0</translation>
    </message>
    <message>
        <source>Вы можете получить эту работу</source>
        <translation>You can get this job</translation>
    </message>
    <message>
        <source>С вашими знаниями эта работа недоступна</source>
        <translation>You lack the skills for this job</translation>
    </message>
    <message>
        <source>У плохое настроение. Вы не прошли собеседовние</source>
        <translation>You are in a bad mood. You failed the interview.</translation>
    </message>
    <message>
        <source>Сохранение игры</source>
        <translation>Save Game</translation>
    </message>
    <message>
        <source>Загрузка игры</source>
        <translation>Load Game</translation>
    </message>
    <message>
        <source>Файл игры Tessaro 1.0 (*.tso)</source>
        <translation>Tessaro 1.0 saved game (*.tso)</translation>
    </message>
    <message>
        <source>Процессор: Intel Pentium 166MHz</source>
        <translation>Processor: Intel Pentium 166MHz</translation>
    </message>
    <message>
        <source>Системная память: 32MB RAM</source>
        <translation>System memory: 32MB RAM</translation>
    </message>
    <message>
        <source>Видеокарта: Voodoo 4MB</source>
        <translation>Video card: Voodoo 4MB</translation>
    </message>
    <message>
        <source>Монитор: ViewSonic 15&quot;</source>
        <translation>Monitor: ViewSonic 15&quot;</translation>
    </message>
    <message>
        <source>Свободное пространство: 200MB</source>
        <translation>Free space: 200MB</translation>
    </message>
    <message>
        <source>Процессор: Intel Pentium II 366MHz</source>
        <translation>Processor: Intel Pentium II 366MHz</translation>
    </message>
    <message>
        <source>Системная память: 64MB RAM</source>
        <translation>System memory: 64MB RAM</translation>
    </message>
    <message>
        <source>Видеокарта: Voodoo III 16MB</source>
        <translation>Video card: Voodoo III 16MB</translation>
    </message>
    <message>
        <source>Свободное пространство: 700MB</source>
        <translation>Free space: 700MB</translation>
    </message>
    <message>
        <source>Звуковая карта: Creative SB Live</source>
        <translation>Sound card: Creative SB Live</translation>
    </message>
    <message>
        <source>Процессор: Intel Pentium III 700MHz</source>
        <translation>Processor: Intel Pentium III 700MHz</translation>
    </message>
    <message>
        <source>Системная память: 128MB RAM</source>
        <translation>System memory: 128MB RAM</translation>
    </message>
    <message>
        <source>Видеокарта: GeForce II 32MB</source>
        <translation>Video card: GeForce II 32MB</translation>
    </message>
    <message>
        <source>Монитор: LG Flatron 17&quot;</source>
        <translation>Monitor: LG Flatron 17&quot;</translation>
    </message>
    <message>
        <source>Свободное пространство: 1200MB</source>
        <translation>Free space: 1200MB</translation>
    </message>
    <message>
        <source>Системная память: 256MB RAM</source>
        <translation>System memory: 256MB RAM</translation>
    </message>
    <message>
        <source>Свободное пространство: 2200MB</source>
        <translation>Free space: 2200MB</translation>
    </message>
    <message>
        <source>Процессор: Intel Pentium IV 3GHz</source>
        <translation>Processor: Intel Pentium IV 3GHz</translation>
    </message>
    <message>
        <source>Системная память: 512MB RAM</source>
        <translation>System memory: 512MB RAM</translation>
    </message>
    <message>
        <source>Видеокарта: GeForce III 64MB</source>
        <translation>Video card: GeForce III 64MB</translation>
    </message>
    <message>
        <source>Монитор: SONY 21&quot;</source>
        <translation>Monitor: SONY 21&quot;</translation>
    </message>
    <message>
        <source>Свободное пространство: 3200MB</source>
        <translation>Free space: 3200MB</translation>
    </message>
    <message>
        <source>Звуковая карта: Creative SB Audigy</source>
        <translation>Sound card: Creative SB Audigy</translation>
    </message>
    <message>
        <source>Операционная система: Windows 98</source>
        <translation>Operating system: Windows 98</translation>
    </message>
    <message>
        <source>Свободное пространство: 600MB</source>
        <translation>Free space: 600MB</translation>
    </message>
    <message>
        <source>Операционная система: Windows XP</source>
        <translation>Operating system: Windows XP</translation>
    </message>
    <message>
        <source>Свободное пространство: 1500MB</source>
        <translation>Free space: 1500MB</translation>
    </message>
    <message>
        <source>Операционная система: Linux Mandrake 9.0</source>
        <translation>Operating system: Linux Mandrake 9.0</translation>
    </message>
    <message>
        <source>Свободное пространство: 800MB</source>
        <translation>Free space: 800MB</translation>
    </message>
    <message>
        <source>Операционная система Windows 98</source>
        <translation>Operating system: Windows 98</translation>
    </message>
    <message>
        <source>Видеокарта Voodoo II 12MB</source>
        <translation>Video card: Voodoo II 12MB</translation>
    </message>
    <message>
        <source>Свободное пространство: 50MB</source>
        <translation>Free space: 50MB</translation>
    </message>
    <message>
        <source>Процессор AMD K6-2 233MHz</source>
        <translation>Processor: AMD K6-2 233MHz</translation>
    </message>
    <message>
        <source>Свободное пространство: 400MB</source>
        <translation>Free space: 400MB</translation>
    </message>
    <message>
        <source>Операционная система Windows 2000</source>
        <translation>Operating system: Windows 2000</translation>
    </message>
    <message>
        <source>Видеокарта GeForce II 32MB</source>
        <translation>Video card: GeForce II 32MB</translation>
    </message>
    <message>
        <source>Свободное пространство: 150MB</source>
        <translation>Free space: 150MB</translation>
    </message>
    <message>
        <source>Свободное пространство: 5MB</source>
        <translation>Free space: 5MB</translation>
    </message>
    <message>
        <source>Операционная система: Windows 2000</source>
        <translation>Operating system: Windows 2000</translation>
    </message>
    <message>
        <source>Свободное пространство: 20MB</source>
        <translation>Free space: 20MB</translation>
    </message>
    <message>
        <source>Свободное пространство: 10MB</source>
        <translation>Free space: 10MB</translation>
    </message>
    <message>
        <source>Необходимо ввести имя</source>
        <translation>Please enter your name.</translation>
    </message>
    <message>
        <source>РАЗРАБОТКА</source>
        <translation>DEVELOPMENT</translation>
    </message>
    <message>
        <source>ОБУЧЕНИЕ</source>
        <translation>COURSES</translation>
    </message>
    <message>
        <source>ОТДЫХ</source>
        <translation>LEISURE</translation>
    </message>
    <message>
        <source>РАБОТА</source>
        <translation>JOBS</translation>
    </message>
    <message>
        <source>ПРОГРАММЫ</source>
        <translation>SOFTWARE</translation>
    </message>
    <message>
        <source>КОМПЬЮТЕР</source>
        <translation>COMPUTER</translation>
    </message>
    <message>
        <source>Язык игры: ru или en (по умолчанию язык рабочего стола).</source>
        <translation>Game language: ru or en (default: the desktop&apos;s language).</translation>
    </message>
    <message>
        <source>Сохранённая игра (.tso), с которой начать.</source>
        <translation>A saved game (.tso) to start from.</translation>
    </message>
    <message>
        <source>Начать можно только одну сохранённую игру.</source>
        <translation>Only one saved game can be started.</translation>
    </message>
    <message>
        <source>Неизвестный язык: %1 (игра говорит на ru и en).</source>
        <translation>Unknown language: %1 (the game supports ru and en).</translation>
    </message>
    <message>
        <source>Tessaro 1.1: от «Ламера» до «Хакера», симулятор жизни.</source>
        <translation>Tessaro 1.1: from “Lamer” to “Hacker”, a life simulation.</translation>
    </message>
    <message>
        <source>Нет такого файла или папки.</source>
        <translation>No such file or folder.</translation>
    </message>
    <message>
        <source>Нет доступа.</source>
        <translation>Permission denied.</translation>
    </message>
    <message>
        <source>На диске не осталось места.</source>
        <translation>No space left on the disk.</translation>
    </message>
    <message>
        <source>Исчерпана квота на диске.</source>
        <translation>Disk quota exceeded.</translation>
    </message>
    <message>
        <source>Диск доступен только для чтения.</source>
        <translation>The disk is read-only.</translation>
    </message>
    <message>
        <source>Часть пути не является папкой.</source>
        <translation>Part of the path is not a folder.</translation>
    </message>
    <message>
        <source>Это папка.</source>
        <translation>This is a folder.</translation>
    </message>
    <message>
        <source>Файл слишком велик.</source>
        <translation>The file is too large.</translation>
    </message>
    <message>
        <source>Слишком длинное имя файла.</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>Ошибка ввода-вывода.</source>
        <translation>Input/output error.</translation>
    </message>
    <message>
        <source>Файл слишком велик для сохранённой игры.</source>
        <translation>The file is too large to be a saved game.</translation>
    </message>
    <message>
        <source>Для игры нужен графический рабочий стол (X11 или Wayland).</source>
        <translation>The game needs a graphical desktop (X11 or Wayland).</translation>
    </message>
    <message>
        <source>Последнюю игру хранит другая игра: эта сама не сохраняется.</source>
        <translation>Another running copy is autosaving; this one will not autosave.</translation>
    </message>
    <message>
        <source>Последней игры нет: начинается новая.</source>
        <translation>No autosaved game found; starting a new game.</translation>
    </message>
    <message>
        <source>Продолжить последнюю игру, сохранённую самой игрой.</source>
        <translation>Continue the last autosaved game.</translation>
    </message>
    <message>
        <source>Новая игра не началась: программа «%1» не запускается.</source>
        <translation>Could not start a new game: “%1” failed to launch.</translation>
    </message>
    <message>
        <source>В игре есть текст не из кодовой страницы Windows-1251.</source>
        <translation>The game contains text outside the Windows-1251 code page.</translation>
    </message>
    <message>
        <source>Файл помечен как UTF-8, но это не UTF-8.</source>
        <translation>The file is marked as UTF-8 but is not.</translation>
    </message>
    <message>
        <source>В файле есть текст не из кодовой страницы Windows-1251.</source>
        <translation>The file contains text outside the Windows-1251 code page.</translation>
    </message>
    <message>
        <source>Это папка, а не сохранённая игра.</source>
        <translation>This is a folder, not a saved game.</translation>
    </message>
    <message>
        <source>Это не файл, а устройство или канал.</source>
        <translation>It is not a file but a device or a pipe.</translation>
    </message>
    <message>
        <source>Игра сама не сохраняется: в папке «%1» нельзя создать файл.</source>
        <translation>The game will not autosave: no file can be created in “%1”.</translation>
    </message>
    <message>
        <source>пройдено</source>
        <translation>completed</translation>
    </message>
    <message>
        <source>куплено</source>
        <translation>bought</translation>
    </message>
    <message>
        <source>ваша работа</source>
        <translation>your job</translation>
    </message>
    <message>
        <source>ниже вашей работы</source>
        <translation>below your job</translation>
    </message>
    <message>
        <source>Меню игры — в главном окне.</source>
        <translation>The game menu is in the main window.</translation>
    </message>
    <message>
        <source>Игра сама не сохранилась в «%1»: %2</source>
        <translation>The game could not autosave to “%1”: %2</translation>
    </message>
    <message>
        <source>Line %1: в имени игрока есть управляющий символ</source>
        <translation>Line %1: the player&apos;s name holds a control character</translation>
    </message>
    <message>
        <source>Браузер не сохраняет больше данных этой страницы.</source>
        <translation>The browser keeps no more data of this page.</translation>
    </message>
    <message>
        <source>Имя файла:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>установлено</source>
        <translation>installed</translation>
    </message>
    <message>
        <source>не подходит к плате</source>
        <translation>does not fit the motherboard</translation>
    </message>
    <message>
        <source>хуже установленного</source>
        <translation>no better than the one installed</translation>
    </message>
</context>
<context>
    <name>tessaro::ActivityWindow</name>
    <message>
        <source>Вернуться</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>tessaro::GameWindow</name>
    <message>
        <source>%1: %2%</source>
        <translation>%1: %2%</translation>
    </message>
    <message>
        <source>%1 — недоступно</source>
        <translation>%1 — unavailable</translation>
    </message>
</context>
<context>
    <name>tessaro::TForm1</name>
    <message>
        <source>Поздравляем!</source>
        <translation>Congratulations!</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>tessaro::TForm2</name>
    <message>
        <source>О программе...</source>
        <translation>About Tessaro</translation>
    </message>
    <message>
        <source>Разработчик:</source>
        <translation>Developer:</translation>
    </message>
    <message>
        <source>Команда Tessaro</source>
        <translation>Tessaro team</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>tessaro::TForm3</name>
    <message>
        <source>Отдых</source>
        <translation>Leisure</translation>
    </message>
</context>
<context>
    <name>tessaro::TForm4</name>
    <message>
        <source>Обнаружен вирус...</source>
        <translation>Virus Detected!</translation>
    </message>
    <message>
        <source>Уничтожить антивирусом</source>
        <translation>Destroy with the antivirus</translation>
    </message>
    <message>
        <source>Оставить</source>
        <translation>Leave it</translation>
    </message>
</context>
<context>
    <name>tessaro::TfComputer</name>
    <message>
        <source>Покупка комплектующих</source>
        <translation>Computer Parts</translation>
    </message>
    <message>
        <source>Здесь можно приобрести комплектующие для компьютера</source>
        <translation>Buy parts for your computer here</translation>
    </message>
</context>
<context>
    <name>tessaro::TfDeveloper</name>
    <message>
        <source>Разработка программ</source>
        <translation>Software Development</translation>
    </message>
    <message>
        <source>Язык разработки</source>
        <translation>Programming language</translation>
    </message>
    <message>
        <source>Объект разработки</source>
        <translation>What to develop</translation>
    </message>
    <message>
        <source>Имеющийся проект:</source>
        <translation>Finished project:</translation>
    </message>
    <message>
        <source>Готовность проекта</source>
        <translation>Project progress</translation>
    </message>
</context>
<context>
    <name>tessaro::TfEducation</name>
    <message>
        <source>Обучение</source>
        <translation>Courses</translation>
    </message>
    <message>
        <source>Операционные системы</source>
        <translation>Operating systems</translation>
    </message>
    <message>
        <source>Среда разработки</source>
        <translation>Development tools</translation>
    </message>
    <message>
        <source>Web-технологии</source>
        <translation>Web technologies</translation>
    </message>
    <message>
        <source>Другое</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Требования</source>
        <translation>Requirements</translation>
    </message>
</context>
<context>
    <name>tessaro::TfInternet</name>
    <message>
        <source>Интернет</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Взлом</source>
        <translation>Hacking</translation>
    </message>
    <message>
        <source>Web-серфинг</source>
        <translation>Web surfing</translation>
    </message>
    <message>
        <source>Скачать утилиты</source>
        <translation>Download utilities</translation>
    </message>
    <message>
        <source>Имеющийся проект</source>
        <translation>Finished project</translation>
    </message>
    <message>
        <source>Попытаться продать проект</source>
        <translation>Try to sell the project</translation>
    </message>
    <message>
        <source>Задания</source>
        <translation>Missions</translation>
    </message>
    <message>
        <source>Загрузка</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Подключено к сети</source>
        <translation>Connected to the network</translation>
    </message>
    <message>
        <source>Нет подключения к сети</source>
        <translation>Not connected to the network</translation>
    </message>
</context>
<context>
    <name>tessaro::TfJob</name>
    <message>
        <source>Поиск работы</source>
        <translation>Job Search</translation>
    </message>
    <message>
        <source>Доступные предложения</source>
        <translation>Available offers</translation>
    </message>
    <message>
        <source>Требования</source>
        <translation>Requirements</translation>
    </message>
</context>
<context>
    <name>tessaro::TfMain</name>
    <message>
        <source>Ваши данные</source>
        <translation>Your stats</translation>
    </message>
    <message>
        <source>Имя:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Статус:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Опыт:</source>
        <translation>Experience:</translation>
    </message>
    <message>
        <source>Работа:</source>
        <translation>Job:</translation>
    </message>
    <message>
        <source>Деньги:</source>
        <translation>Money:</translation>
    </message>
    <message>
        <source>Настроение:</source>
        <translation>Mood:</translation>
    </message>
    <message>
        <source>Компьютер</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Операционная система:</source>
        <translation>Operating system:</translation>
    </message>
    <message>
        <source>Среда разработки:</source>
        <translation>Development tool:</translation>
    </message>
    <message>
        <source>Антивирус:</source>
        <translation>Antivirus:</translation>
    </message>
    <message>
        <source>ДЕНЬ</source>
        <translation>DAY</translation>
    </message>
    <message>
        <source>&amp;Игра</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>&amp;Новая</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Сохранить</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <source>&amp;Загрузить</source>
        <translation>&amp;Load...</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Помощь</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;О программе...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Деньги: $%1</source>
        <translation>Money: $%1</translation>
    </message>
    <message>
        <source>Системная плата:</source>
        <translation>Motherboard:</translation>
    </message>
    <message>
        <source>Процессор:</source>
        <translation>Processor:</translation>
    </message>
    <message>
        <source>Оперативная память:</source>
        <translation>Memory:</translation>
    </message>
    <message>
        <source>Жесткий диск:</source>
        <translation>Hard disk:</translation>
    </message>
    <message>
        <source>Видеокарта:</source>
        <translation>Video card:</translation>
    </message>
    <message>
        <source>Звуковая карта:</source>
        <translation>Sound card:</translation>
    </message>
    <message>
        <source>Монитор:</source>
        <translation>Monitor:</translation>
    </message>
    <message>
        <source>CD/DVD-Устройство:</source>
        <translation>CD/DVD drive:</translation>
    </message>
    <message>
        <source>Модем:</source>
        <translation>Modem:</translation>
    </message>
    <message>
        <source>День %1</source>
        <translation>Day %1</translation>
    </message>
    <message>
        <source>Настроение</source>
        <translation>Mood</translation>
    </message>
    <message>
        <source>%1 — доступно</source>
        <translation>%1 — available</translation>
    </message>
</context>
<context>
    <name>tessaro::TfSoftware</name>
    <message>
        <source>Установка программ</source>
        <translation>Install Software</translation>
    </message>
    <message>
        <source>Операционная система</source>
        <translation>Operating systems</translation>
    </message>
    <message>
        <source>Среда разработки</source>
        <translation>Development tools</translation>
    </message>
    <message>
        <source>Антивирус</source>
        <translation>Antivirus</translation>
    </message>
    <message>
        <source>Другое</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Системные требования</source>
        <translation>System requirements</translation>
    </message>
    <message>
        <source>Свободное дисковое пространство</source>
        <translation>Free disk space</translation>
    </message>
    <message>
        <source>Можно установить</source>
        <translation>Can be installed</translation>
    </message>
    <message>
        <source>Нельзя установить</source>
        <translation>Cannot be installed</translation>
    </message>
</context>
<context>
    <name>tessaro::TfStart</name>
    <message>
        <source>Введите ваше имя:</source>
        <translation>Enter your name:</translation>
    </message>
    <message>
        <source>Начать игру</source>
        <translation>Start Game</translation>
    </message>
</context>
<context>
    <name>tessaro::TitleBar</name>
    <message>
        <source>Версия 2003</source>
        <translation>Version 2003</translation>
    </message>
</context>
</TS>
